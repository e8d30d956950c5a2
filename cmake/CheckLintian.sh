#!/bin/sh
# SPDX-License-Identifier: AGPL-3.0-or-later
# Runs lintian on the Debian package that the package test built and fails
# on any error (E:) or warning (W:), printing them; informational tags pass.
# Exits 77, which the test reads as skipped, when dpkg-deb or lintian is not
# installed (scripts/bootstrap.sh installs both).
#   sh CheckLintian.sh OUT_DIR VERSION
set -u
out_dir=$1
version=$2

for tool in dpkg-deb:dpkg lintian:lintian; do
    if ! command -v "${tool%%:*}" >/dev/null 2>&1; then
        echo "SKIPPED: needs ${tool%%:*} from the Debian package ${tool#*:}, which is not installed"
        exit 77
    fi
done

deb="$out_dir/velmora_${version}_$(dpkg --print-architecture).deb"
if [ ! -f "$deb" ]; then
    echo "no $deb: the package test did not build it" >&2
    exit 1
fi

# No user or system configuration: the same tags are shown everywhere. As
# root, lintian wants to be told that it may run.
set -- --no-cfg --fail-on none
[ "$(id -u)" -eq 0 ] && set -- "$@" --allow-root
report=$(lintian "$@" "$deb" 2>&1)
status=$?
printf '%s\n' "$report"
if [ "$status" -ne 0 ]; then
    echo "lintian failed with status $status" >&2
    exit 1
fi

count=$(printf '%s\n' "$report" | grep -c -E '^[EW]: ')
if [ "$count" -ne 0 ]; then
    echo "lintian found $count errors or warnings (E:, W:) in $deb" >&2
    exit 1
fi
echo "lintian: no errors or warnings in $deb"
