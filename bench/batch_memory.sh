#!/bin/sh
# SPDX-License-Identifier: AGPL-3.0-or-later
# Peak memory of a batch run of velmora-chart against its length: LINES
# cases of the mixed batch (dates of 1900..2100, corrections -12..14, any
# longitude, both hemispheres) are piped into `velmora-chart --batch` under
# /usr/bin/time -v, once per count given; the maximum resident set size of
# each run is printed. Results stream, so the figure should not grow with the
# number of lines.
#
#   bench/batch_memory.sh BUILD_DIR [LINES...]     (default 1000 1000000)
#
#   bench/batch_memory.sh BUILD_DIR --cases N      only print N cases

set -eu

usage() {
    echo "usage: $0 BUILD_DIR [LINES...] | BUILD_DIR --cases N" >&2
    exit 2
}

cases() {
    awk -v n="$1" 'BEGIN {
        srand(14)
        for (i = 0; i < n; ++i) {
            # Days 1..28 exist in every month.
            printf "%02d.%02d.%04d,%02d:%02d,%d,%03d:%02d,%s\n",
                1 + int(rand() * 28), 1 + int(rand() * 12), 1900 + int(rand() * 201),
                int(rand() * 24), int(rand() * 60), -12 + int(rand() * 27),
                int(rand() * 180), int(rand() * 60), rand() < 0.5 ? "E" : "W"
        }
    }'
}

[ $# -ge 1 ] || usage
TOOL=$(cd "$1" && pwd)/cli/velmora-chart
shift
if [ "${1:-}" = --cases ]; then
    [ $# -eq 2 ] || usage
    cases "$2"
    exit 0
fi
[ -x "$TOOL" ] || { echo "batch_memory.sh: $TOOL missing; build the target velmora-chart" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "batch_memory.sh: /usr/bin/time not found (package time)" >&2; exit 1; }
[ $# -gt 0 ] || set -- 1000 1000000

REPORT=$(mktemp "${TMPDIR:-/tmp}/velmora-batch-memory.XXXXXX")
trap 'rm -f "$REPORT"' EXIT
for lines in "$@"; do
    case $lines in '' | *[!0-9]*) usage ;; esac
    cases "$lines" | /usr/bin/time -v -o "$REPORT" "$TOOL" --batch >/dev/null || true
    rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$REPORT")
    echo "$lines lines: peak resident set $rss kB"
done
