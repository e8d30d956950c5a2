// SPDX-License-Identifier: AGPL-3.0-or-later
#include "SystemError.h"

#include "Translation.h"

#include <cerrno>

QString SystemErrorText(int error)
{
    switch (error) {
    case ENOSPC:
        return Translate("SystemError", "no space left on the device");
    case EDQUOT:
        return Translate("SystemError", "the disk quota is used up");
    case EISDIR:
        return Translate("SystemError", "it is a folder");
    case EACCES:
    case EPERM:
        return Translate("SystemError", "permission denied");
    case EROFS:
        return Translate("SystemError", "the file system is read-only");
    case EIO:
        return Translate("SystemError", "input/output error");
    case EPIPE:
        return Translate("SystemError", "the reading end is closed");
    case ENOENT:
        return Translate("SystemError", "no such file or folder");
    case EBADF:
        return Translate("SystemError", "the stream is not open");
    default:
        return Translate("SystemError", "system error %1").arg(error);
    }
}
