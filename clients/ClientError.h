// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>

// What went wrong with the client file. Nothing is ever stored half: a
// change that fails leaves the file as it was before it.
enum class ClientError {
    None,
    Busy,       // another program kept the file locked for 5 seconds
    DiskFull,   // no space left on the device (or the file size limit reached)
    ReadOnly,   // the file or its folder cannot be written; reading goes on
    Damaged,    // SQLite cannot read the file or its check fails; it is left untouched
    NewerFile,  // made by a later version of the program; reading goes on, changes are refused
    NotAFile,   // the path names a folder, FIFO, device or socket (or a link to one); left untouched
    Foreign,    // an SQLite file of other data, not a client file; left untouched
    CannotOpen, // the file or its folder cannot be made or opened
    NoDriver,   // Qt's SQLite driver (package libqt6sql6-sqlite) is not installed
    NotFound,   // no client with that id
    Invalid,    // a field of the client, or a row of the CSV, is wrong (see CheckClient, ImportResult)
    Failed,     // any other failure of SQLite, such as an input/output error
};

// The error in words, in the chosen language, naming the file's path where
// it helps; empty for None.
QString ClientErrorText(ClientError error, const QString &path);
