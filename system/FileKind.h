// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>

// What a path names, following links, for the writers that replace a file
// by renaming a new one over it: only a regular file may be replaced, since
// a FIFO, a device or a socket would be swapped for a plain file.
enum class FileKind {
    Missing, // nothing of that name, not even a dangling link
    Regular, // a regular file, or a link to one
    Other,   // a folder, FIFO, device, socket or dangling link
};

FileKind KindOf(const QString &path);
