// SPDX-License-Identifier: AGPL-3.0-or-later
#include "DataFolder.h"

#include <QFileInfo>
#include <QStandardPaths>

QString InstalledDataFolder()
{
    const QString programFolder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    return programFolder + QStringLiteral("/" VELMORA_DATA_DIR_FROM_BIN);
}

QString FindDataFile(const QString &name)
{
    const QString installed = InstalledDataFolder() + u'/' + name;
    if (QFileInfo::exists(installed))
        return installed;
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("velmora/") + name);
}
