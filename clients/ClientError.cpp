// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ClientError.h"

#include "Translation.h"

QString ClientErrorText(ClientError error, const QString &path)
{
    switch (error) {
    case ClientError::None:
        break;
    case ClientError::Busy:
        return Translate("Clients", "the client file \"%1\" is in use by another program; try again").arg(path);
    case ClientError::DiskFull:
        return Translate("Clients", "no space left for the client file \"%1\"; nothing was changed").arg(path);
    case ClientError::ReadOnly:
        return Translate("Clients", "the client file \"%1\" or its folder cannot be written; it can only be read")
            .arg(path);
    case ClientError::Damaged:
        return Translate("Clients",
                         "the client file \"%1\" is damaged and was left as it is; a copy of it can be "
                         "repaired with: sqlite3 COPY .recover | sqlite3 NEW-FILE")
            .arg(path);
    case ClientError::NewerFile:
        return Translate("Clients",
                         "the client file \"%1\" was made by a later version of the program; it can "
                         "only be read")
            .arg(path);
    case ClientError::NotAFile:
        return Translate("Clients", "\"%1\" is not a regular file; it was left as it is").arg(path);
    case ClientError::Foreign:
        return Translate("Clients", "\"%1\" holds other data, not clients; it was left as it is").arg(path);
    case ClientError::CannotOpen:
        return Translate("Clients", "the client file \"%1\" cannot be made or opened").arg(path);
    case ClientError::NoDriver:
        return Translate("Clients", "the client file \"%1\" needs Qt's SQLite driver (package libqt6sql6-sqlite)")
            .arg(path);
    case ClientError::NotFound:
        return Translate("Clients", "no such client in \"%1\"").arg(path);
    case ClientError::Invalid:
        return Translate("Clients", "the client's data is wrong; nothing was changed");
    case ClientError::Failed:
        return Translate("Clients", "the client file \"%1\" cannot be read or written").arg(path);
    }
    return {};
}
