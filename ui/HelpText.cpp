#include "HelpText.h"

#include "MessageBoxes.h"

#include <QMessageBox>
#include <QStringDecoder>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

QString Decode(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    // Help files written for the Russian single-byte code page.
    QStringDecoder legacy("windows-1251");
    return legacy(bytes);
}

[[noreturn]] void ThrowFileError(int errorNumber)
{
    throw VelmoraError(FileErrorMessage(errorNumber));
}

// Reads with plain descriptors, since the message names the system's error
// number. Non-blocking, so a FIFO of that name cannot hang the window.
QByteArray ReadWholeFile(const char *path)
{
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        ThrowFileError(errno);
    QByteArray bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count > 0) {
            bytes.append(buffer, count);
        } else if (count == 0) {
            break;
        } else if (errno != EINTR) {
            const int error = errno;
            ::close(fd);
            ThrowFileError(error);
        }
    }
    ::close(fd);
    return bytes;
}

} // namespace

QString HelpTextFromBytes(QByteArray bytes)
{
    const qsizetype end = bytes.indexOf('\x1A');
    if (end >= 0)
        bytes.truncate(end);
    if (bytes.isEmpty())
        return {};
    // A line end at the very end closes the last line and starts no new one.
    if (bytes.endsWith('\n'))
        bytes.chop(1);
    QString text;
    for (QString line : Decode(bytes).split(u'\n'))
        text += QStringLiteral("\r\n") + line.remove(u'\r');
    return text;
}

QString FileErrorMessage(int errorNumber)
{
    switch (errorNumber) {
    case ENOENT:
        return QStringLiteral("File not found");
    case EACCES:
    case EPERM:
        return QStringLiteral("File access denied");
    default:
        return QStringLiteral("I/O error %1").arg(errorNumber);
    }
}

QString ReadHelpText()
{
    return HelpTextFromBytes(ReadWholeFile(HelpFileName));
}

void ShowHelp(QWidget *parent)
{
    const QString text = ReadHelpText();
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(AppTitle), text, QMessageBox::Ok, parent);
    // The file is plain text, even where a line happens to look like markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
