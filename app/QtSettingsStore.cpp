// SPDX-License-Identifier: AGPL-3.0-or-later
#include "QtSettingsStore.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "FileKind.h"
#include "MessageBoxes.h"
#include "StoreFile.h"
#include "UserFolder.h"

namespace {

constexpr char Section[] = "sdvg";

[[noreturn]] void FailToCreateKey()
{
    throw VelmoraError(QStringLiteral("Failed to create key %1").arg(QString::fromLatin1(Section)));
}

// A stored text with control characters (a NUL read from a damaged file) is
// no number; shown as replacement characters it reads as what it is, and it
// goes back to the file as an ordinary string.
QString Printable(QString text)
{
    for (QChar &c : text)
        if (c.unicode() < u' ')
            c = QChar::ReplacementCharacter;
    return text;
}

} // namespace

QString QtSettingsStore::filePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Velmora.conf");
}

std::optional<QString> QtSettingsStore::read(const QString &name)
{
    const QString path = filePath();
    if (KindOf(path) != FileKind::Regular)
        return std::nullopt;
    QSettings settings(path, QSettings::IniFormat);
    settings.beginGroup(QString::fromLatin1(Section));
    if (!settings.contains(name))
        return std::nullopt;
    const QVariant value = settings.value(name);
    if (value.typeId() != QMetaType::QString)
        throw VelmoraError(QStringLiteral("Invalid data type for '%1'").arg(name));
    return Printable(value.toString());
}

void QtSettingsStore::write(const std::vector<std::pair<QString, QString>> &values)
{
    const QString path = filePath();
    // A new account has no configuration folder yet.
    if (!MakeUserFolder(QFileInfo(path).absolutePath()) || KindOf(path) == FileKind::Other
        || !StoreFile::LockIsFree(path, LockWaitMs))
        FailToCreateKey();
    QSettings settings(path, QSettings::IniFormat);
    if (!settings.isWritable())
        FailToCreateKey();
    settings.beginGroup(QString::fromLatin1(Section));
    // Each value is committed on its own, so a failure keeps what was
    // written before it. A format error left from reading a damaged file is
    // no failure of the write, which replaces the file.
    for (const auto &[name, text] : values) {
        settings.setValue(name, text);
        settings.sync();
        if (settings.status() == QSettings::AccessError)
            throw VelmoraError(QStringLiteral("Failed to set data for '%1'").arg(name));
    }
}
