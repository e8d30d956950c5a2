#!/bin/sh
# SPDX-License-Identifier: AGPL-3.0-or-later
# Builds Velmora and starts the window from the repository's root, where
# the help text help.txt lies.
set -eu
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc 2>/dev/null || echo 2)" --target velmora velmora-chart >/dev/null
exec build/app/velmora
