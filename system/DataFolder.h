// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>

// The data files installed with the program (share/velmora beside its bin
// folder), found from the running program's own file: not from the working
// directory, and without a QCoreApplication, which the tool's tests and the
// benchmarks do not have.
QString InstalledDataFolder();

// The data file of that name in the installed data folder, else in
// velmora/ under the data folders the system names (XDG_DATA_DIRS, by
// default /usr/local/share and /usr/share); empty when there is none.
QString FindDataFile(const QString &name);
