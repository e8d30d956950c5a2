#include "QtSettingsStore.h"

#include <QSettings>

#include "MessageBoxes.h"

namespace {

constexpr char Organisation[] = "Velmora";
constexpr char Section[] = "sdvg";

} // namespace

std::optional<QString> QtSettingsStore::read(const QString &name)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QString::fromLatin1(Organisation));
    settings.beginGroup(QString::fromLatin1(Section));
    if (!settings.contains(name))
        return std::nullopt;
    const QVariant value = settings.value(name);
    if (value.typeId() != QMetaType::QString)
        throw VelmoraError(QStringLiteral("Invalid data type for '%1'").arg(name));
    return value.toString();
}

void QtSettingsStore::write(const std::vector<std::pair<QString, QString>> &values)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QString::fromLatin1(Organisation));
    if (!settings.isWritable())
        throw VelmoraError(QStringLiteral("Failed to create key %1").arg(QString::fromLatin1(Section)));
    settings.beginGroup(QString::fromLatin1(Section));
    // Each value is committed on its own, so a failure keeps what was
    // written before it.
    for (const auto &[name, text] : values) {
        settings.setValue(name, text);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            throw VelmoraError(QStringLiteral("Failed to set data for '%1'").arg(name));
    }
}
