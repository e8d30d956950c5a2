// SPDX-License-Identifier: AGPL-3.0-or-later
#include "FileKind.h"

#include <QFile>

#include <sys/stat.h>

FileKind KindOf(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status = {};
    if (::lstat(name.constData(), &status) != 0)
        return FileKind::Missing;
    if (::stat(name.constData(), &status) != 0)
        return FileKind::Other;
    return S_ISREG(status.st_mode) ? FileKind::Regular : FileKind::Other;
}
