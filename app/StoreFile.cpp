// SPDX-License-Identifier: AGPL-3.0-or-later
#include "StoreFile.h"

#include <QLockFile>

#include "FileKind.h"

namespace StoreFile {

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
