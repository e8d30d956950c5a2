// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ChildTime.h"

#include <cstdio>

double ChildSeconds(const std::string &program, const std::string &arguments, const std::string &environment)
{
    const std::string command = environment + " '" + program + "' " + arguments;
    FILE *child = ::popen(command.c_str(), "r");
    if (!child)
        return -1;
    long long nanoseconds = -1;
    const bool read = std::fscanf(child, "%lld", &nanoseconds) == 1;
    const bool ok = ::pclose(child) == 0 && read && nanoseconds >= 0;
    return ok ? double(nanoseconds) * 1e-9 : -1;
}
