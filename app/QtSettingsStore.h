// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include "SettingsStore.h"

// The settings store of the running program: the user's Velmora.conf in the
// configuration folder (where Qt keeps the native per-user settings of the
// organisation "Velmora"), section "sdvg", values kept as strings. Only a
// regular file, or a link to one, is read or written: anything else reads as
// a missing store and fails to write, and no wait for the file's lock lasts
// longer than LockWaitMs.
class QtSettingsStore : public SettingsStore
{
public:
    static constexpr int LockWaitMs = 2000;

    std::optional<QString> read(const QString &name) override;
    void write(const std::vector<std::pair<QString, QString>> &values) override;

    // The store's file.
    static QString filePath();
};
