// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>

// Makes the folder and any of its missing parents, each readable, writable
// and searchable by the user alone (the XDG base directory rule for folders
// a program creates). True when the folder exists afterwards.
bool MakeUserFolder(const QString &folder);
