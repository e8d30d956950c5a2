#include "StoreFile.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include "FileKind.h"

namespace StoreFile {

bool MakeFolder(const QString &folder)
{
    const QFileInfo info(folder);
    if (info.isDir())
        return true;
    const QString path = info.absoluteFilePath();
    const QString parent = info.absolutePath();
    if (parent == path || !MakeFolder(parent))
        return false;
    constexpr QFile::Permissions UserOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    // Another program may make it at the same moment.
    return QDir().mkdir(path, UserOnly) || QFileInfo(path).isDir();
}

bool LockIsFree(const QString &path, int waitMs)
{
    const QString lockPath = path + QStringLiteral(".lock");
    // Reading a FIFO or a device where the lock should be would block.
    if (KindOf(lockPath) == FileKind::Other)
        return false;
    QLockFile lock(lockPath);
    if (!lock.tryLock(waitMs))
        return false;
    lock.unlock();
    return true;
}

} // namespace StoreFile
