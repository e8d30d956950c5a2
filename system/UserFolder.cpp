// SPDX-License-Identifier: AGPL-3.0-or-later
#include "UserFolder.h"

#include <QDir>
#include <QFileInfo>

bool MakeUserFolder(const QString &folder)
{
    const QFileInfo info(folder);
    if (info.isDir())
        return true;
    const QString path = info.absoluteFilePath();
    const QString parent = info.absolutePath();
    if (parent == path || !MakeUserFolder(parent))
        return false;
    constexpr QFile::Permissions UserOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    // Another program may make it at the same moment.
    return QDir().mkdir(path, UserOnly) || QFileInfo(path).isDir();
}
