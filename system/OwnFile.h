// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

// Writes a file of the program's own folders (the city index in the cache):
// the data goes into a new file beside it, readable and writable by the user
// alone, which is then renamed over the name. A link of that name is thus
// replaced, never followed, so nothing outside the folder is ever written;
// a folder, FIFO, device or socket of that name is left alone. Readers see
// the old file or the whole new one. False when nothing was replaced.
bool ReplaceOwnFile(const QString &path, QByteArrayView data);
