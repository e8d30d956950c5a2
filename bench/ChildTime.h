// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <string>

// Runs this benchmark program again as a child, with `arguments` after its
// path and `environment` ("NAME='value' ...") before it, and reads the
// nanoseconds that the child prints as the first word of its output: the
// child's own measure of something a new process does once. Seconds, or a
// negative number when the child failed.
double ChildSeconds(const std::string &program, const std::string &arguments, const std::string &environment = {});
