// SPDX-License-Identifier: AGPL-3.0-or-later
#include "OwnFile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Only a regular file or a link (to anything) is replaced.
bool Replaceable(const QString &path)
{
    struct stat status = {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return true;
    return S_ISREG(status.st_mode) || S_ISLNK(status.st_mode);
}

} // namespace

bool ReplaceOwnFile(const QString &path, QByteArrayView data)
{
    if (!Replaceable(path))
        return false;
    // QTemporaryFile makes the file exclusively, mode 0600, under a fresh name.
    QTemporaryFile file(QFileInfo(path).absolutePath() + QStringLiteral("/.") + QFileInfo(path).fileName()
                        + QStringLiteral(".XXXXXX"));
    if (!file.open() || file.write(data.data(), data.size()) != data.size() || !file.flush()
        || ::fsync(file.handle()) != 0)
        return false;
    // rename() replaces the name itself, a link included; QFile::rename()
    // would refuse an existing name.
    if (std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return false;
    file.setAutoRemove(false);
    return true;
}
