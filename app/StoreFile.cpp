#include "StoreFile.h"

#include <QFile>
#include <QLockFile>

#include <sys/stat.h>

namespace StoreFile {

Kind KindOf(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status = {};
    if (::lstat(name.constData(), &status) != 0)
        return Kind::Missing;
    if (::stat(name.constData(), &status) != 0)
        return Kind::Other;
    return S_ISREG(status.st_mode) ? Kind::Regular : Kind::Other;
}

bool LockIsFree(const QString &path, int waitMs)
{
    const QString lockPath = path + QStringLiteral(".lock");
    // Reading a FIFO or a device where the lock should be would block.
    if (KindOf(lockPath) == Kind::Other)
        return false;
    QLockFile lock(lockPath);
    if (!lock.tryLock(waitMs))
        return false;
    lock.unlock();
    return true;
}

} // namespace StoreFile
