// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>

#include "ToolOptions.h"

// The tool's client file: --clients lists the clients (CSV, or JSON a line),
// --export-clients writes them as the CSV that --import-clients reads,
// and --client NAME|ID gives a client's birth data to a chart as if it had
// been typed. Messages go to err; the exit status is returned.

int ListClients(bool json, bool header, std::ostream &out, std::ostream &err);
int ExportClients(std::ostream &out, std::ostream &err);
int ImportClients(const std::string &file, std::ostream &err);

// The options with the client's date, time, correction or zone, longitude
// and, for a --luck without a sex, the stored sex; or the error (no such
// client, several of that name with their ids, a file that cannot be read).
struct ClientOptions {
    ToolOptions Options;
    std::string Error;
};
ClientOptions WithClient(ToolOptions options);
