#!/bin/sh
# SPDX-License-Identifier: AGPL-3.0-or-later
# Builds Velmora and runs every test twice: in a normal build, and in a build
# with AddressSanitizer and UndefinedBehaviorSanitizer. The normal build treats
# warnings as errors and also builds the benchmarks.
set -eu
cd "$(dirname "$0")/.."
scripts/bootstrap.sh

jobs=$(nproc 2>/dev/null || echo 2)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_BENCH=ON -DVELMORA_WERROR=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON
cmake --build build-sanitize -j"$jobs"
ctest --test-dir build-sanitize --output-on-failure
