#!/bin/sh
# Builds Velmora and prints the chart of the present moment.
set -eu
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc 2>/dev/null || echo 2)" --target velmora-chart >/dev/null
exec build/cli/velmora-chart "$(date +%d.%m.%Y)" "$(date +%H:%M)"
