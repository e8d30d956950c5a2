// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ChartFile.h"

#include "ChartPdf.h"
#include "ChartPicture.h"
#include "FileKind.h"
#include "Translation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

namespace {

// The longest file name, in bytes, that Linux file systems accept.
constexpr qsizetype NameMax = 255;

QString Failure(const QString &path, const QString &reason)
{
    return Translate("ChartFile", "Cannot save the file \"%1\": %2.").arg(QDir::toNativeSeparators(path), reason);
}

// Why the file could not be created, from what the folder and the name show:
// the program's own words, not the system's text in another language.
QString OpenFailure(const QString &path)
{
    const QFileInfo folder(QFileInfo(path).absolutePath());
    const QString name = QDir::toNativeSeparators(folder.filePath());
    if (!folder.isDir())
        return Failure(path, Translate("ChartFile", "the folder \"%1\" does not exist").arg(name));
    if (!folder.isWritable())
        return Failure(path, Translate("ChartFile", "writing to the folder \"%1\" is not allowed").arg(name));
    return Failure(path, Translate("ChartFile", "the file cannot be created"));
}

QString WriteFailure(const QString &path, qsizetype size)
{
    const QStorageInfo storage(QFileInfo(path).absolutePath());
    if (storage.isValid() && storage.bytesAvailable() < size)
        return Failure(path, Translate("ChartFile", "not enough space on the disk"));
    return Failure(path, Translate("ChartFile", "the file could not be written"));
}

QByteArray Render(ChartFileKind kind, const SharedChart &chart)
{
    return kind == ChartFileKind::Pdf ? ChartPdf(chart) : ChartPng(chart);
}

} // namespace

std::optional<ChartFileKind> ChartFileKindOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("pdf"))
        return ChartFileKind::Pdf;
    if (suffix == QLatin1String("png"))
        return ChartFileKind::Png;
    return std::nullopt;
}

QString SaveChartFile(const QString &path, const SharedChart &chart)
{
    const std::optional<ChartFileKind> kind = ChartFileKindOf(path);
    if (!kind)
        return Failure(path, Translate("ChartFile", "the file type is chosen by the extension .pdf or .png"));
    if (QFileInfo(path).fileName().toLocal8Bit().size() > NameMax)
        return Failure(path, Translate("ChartFile", "invalid file name (too long)"));
    // The new file is renamed over the old one, which must be a file to
    // replace: a FIFO or a device would become a plain file.
    if (KindOf(path) == FileKind::Other)
        return Failure(path,
                       QFileInfo(path).isDir() ? Translate("ChartFile", "a folder has this name")
                                               : Translate("ChartFile", "this name is not a regular file"));
    const QByteArray bytes = Render(*kind, chart);
    if (bytes.isEmpty())
        return Failure(path, Translate("ChartFile", "the picture could not be drawn"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return OpenFailure(path);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        const QString message = WriteFailure(path, bytes.size());
        file.cancelWriting();
        return message;
    }
    return {};
}

QString SaveChartFileNamed(const QByteArray &name, const SharedChart &chart)
{
    const QString path = QFile::decodeName(name);
    if (QFile::encodeName(path) != name)
        return Failure(path, Translate("ChartFile", "invalid file name (not UTF-8)"));
    return SaveChartFile(path, chart);
}
