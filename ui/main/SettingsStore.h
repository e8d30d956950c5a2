// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <vector>

// The per-user store of the correction and longitude texts (values "sd",
// "dg" and "dm" of the section "sdvg"). Each call opens and closes the store.
// Failures throw VelmoraError with the store's message.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;

    // The stored text, or nothing when the value is absent. A value that is
    // not a string fails with "Invalid data type for '<name>'".
    virtual std::optional<QString> read(const QString &name) = 0;

    // Writes the values in order. Fails with "Failed to create key <section>"
    // or "Failed to set data for '<name>'"; values written before stay written.
    virtual void write(const std::vector<std::pair<QString, QString>> &values) = 0;
};
