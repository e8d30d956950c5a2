// SPDX-License-Identifier: AGPL-3.0-or-later
#include "HelpText.h"

#include "DataFolder.h"
#include "HelpBox.h"
#include "MessageBoxes.h"

#include <QFile>
#include <QStringDecoder>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
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

[[noreturn]] void ThrowFileError(int errorNumber) { throw VelmoraError(FileErrorMessage(errorNumber)); }

// A cut inside a UTF-8 character would make the whole text read as the
// single-byte code page; the cut moves back to the character's start.
qsizetype Utf8Boundary(const QByteArray &bytes, qsizetype at)
{
    for (int back = 0; back < 3 && at > 0 && (static_cast<unsigned char>(bytes[at]) & 0xC0) == 0x80; ++back)
        --at;
    return at;
}

// The help file's bytes, at most HelpReadLimit of them, and whether there
// were more.
struct HelpBytes {
    QByteArray bytes;
    bool cut = false;
};

// Throws the "not permitted" error unless the status is that of a regular
// file; a folder keeps the error the system gives for reading one.
void RequireRegularFile(const struct stat &status)
{
    if (S_ISDIR(status.st_mode))
        ThrowFileError(EISDIR);
    if (!S_ISREG(status.st_mode))
        ThrowFileError(EACCES);
}

// Reads with plain descriptors, since the message names the system's error
// number. Only a regular file (or a link to one) is opened: a FIFO or a
// device of that name could block or never end. Non-blocking all the same,
// should the file be swapped for a FIFO between the check and the open.
HelpBytes ReadHelpFile(const char *path)
{
    struct stat status = {};
    if (::stat(path, &status) != 0)
        ThrowFileError(errno);
    RequireRegularFile(status);
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        ThrowFileError(errno);
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        ThrowFileError(EACCES);
    }
    HelpBytes help;
    char buffer[65536];
    while (help.bytes.size() <= HelpReadLimit) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count > 0) {
            help.bytes.append(buffer, count);
        } else if (count == 0) {
            break;
        } else if (errno != EINTR) {
            const int error = errno;
            ::close(fd);
            ThrowFileError(error);
        }
    }
    ::close(fd);
    if (help.bytes.size() > HelpReadLimit) {
        help.cut = true;
        help.bytes.truncate(Utf8Boundary(help.bytes, HelpReadLimit));
    }
    return help;
}

// The working directory's help file when anything there has its name;
// else the one installed with the program, so the help opens however the
// program was started.
QByteArray HelpFilePath()
{
    struct stat status = {};
    if (::lstat(HelpFileName, &status) == 0 || errno != ENOENT)
        return HelpFileName;
    const QString installed = FindDataFile(QString::fromLatin1(HelpFileName));
    return installed.isEmpty() ? QByteArray(HelpFileName) : QFile::encodeName(installed);
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
    const HelpBytes help = ReadHelpFile(HelpFilePath().constData());
    QString text = HelpTextFromBytes(help.bytes);
    if (help.cut)
        text += QStringLiteral("\r\n\r\n%1").arg(QString::fromUtf8(HelpCutNote));
    return text;
}

void ShowHelp(QWidget *parent)
{
    const QString text = ReadHelpText();
    if (HelpBox::FitsMessageBox(text, parent)) {
        ShowMessage(parent, text);
        return;
    }
    HelpBox box(text, parent);
    box.exec();
}
