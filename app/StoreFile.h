// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>

// Checks made before Qt's settings code touches the store's file, since it
// would block for good on a FIFO, write through a link onto a device, or
// wait without end for a lock it cannot take.
namespace StoreFile {

// True when the lock file beside the store (path + ".lock") is missing or a
// regular file and can be taken within waitMs milliseconds; it is released
// again at once, so Qt's own locking then finds it free.
bool LockIsFree(const QString &path, int waitMs);

} // namespace StoreFile
