#include "ChartFile.h"

#include "ChartPdf.h"
#include "ChartPicture.h"
#include "FileKind.h"

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
    return QStringLiteral("Не удалось сохранить файл «%1»: %2.").arg(QDir::toNativeSeparators(path), reason);
}

// Why the file could not be created, from what the folder and the name show.
QString OpenFailure(const QString &path, const QSaveFile &file)
{
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        return Failure(path,
                       QStringLiteral("папка «%1» не существует").arg(QDir::toNativeSeparators(folder.filePath())));
    if (!folder.isWritable())
        return Failure(
            path, QStringLiteral("запись в папку «%1» запрещена").arg(QDir::toNativeSeparators(folder.filePath())));
    return Failure(path, QStringLiteral("файл не удаётся создать (%1)").arg(file.errorString()));
}

QString WriteFailure(const QString &path, const QSaveFile &file, qsizetype size)
{
    const QStorageInfo storage(QFileInfo(path).absolutePath());
    if (storage.isValid() && storage.bytesAvailable() < size)
        return Failure(path, QStringLiteral("на диске недостаточно места"));
    return Failure(path, QStringLiteral("ошибка записи (%1)").arg(file.errorString()));
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
        return Failure(path, QStringLiteral("тип файла задаётся расширением .pdf или .png"));
    if (QFileInfo(path).fileName().toLocal8Bit().size() > NameMax)
        return Failure(path, QStringLiteral("недопустимое имя файла (слишком длинное)"));
    // The new file is renamed over the old one, which must be a file to
    // replace: a FIFO or a device would become a plain file.
    if (KindOf(path) == FileKind::Other)
        return Failure(path,
                       QFileInfo(path).isDir() ? QStringLiteral("под этим именем уже есть папка")
                                               : QStringLiteral("под этим именем не обычный файл"));
    const QByteArray bytes = Render(*kind, chart);
    if (bytes.isEmpty())
        return Failure(path, QStringLiteral("изображение не удалось построить"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return OpenFailure(path, file);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        const QString message = WriteFailure(path, file, bytes.size());
        file.cancelWriting();
        return message;
    }
    return {};
}

QString SaveChartFileNamed(const QByteArray &name, const SharedChart &chart)
{
    const QString path = QFile::decodeName(name);
    if (QFile::encodeName(path) != name)
        return Failure(path, QStringLiteral("недопустимое имя файла (не в кодировке UTF-8)"));
    return SaveChartFile(path, chart);
}
