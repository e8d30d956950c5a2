#pragma once

#include "SettingsStore.h"

// The settings store of the running program: Qt's native per-user settings
// for the organisation "Velmora" without an application name (on Linux the
// user's Velmora.conf in the configuration folder), section "sdvg", values
// kept as strings.
class QtSettingsStore : public SettingsStore
{
public:
    std::optional<QString> read(const QString &name) override;
    void write(const std::vector<std::pair<QString, QString>> &values) override;
};
