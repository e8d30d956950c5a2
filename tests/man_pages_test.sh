#!/bin/bash
# SPDX-License-Identifier: AGPL-3.0-or-later
# The manual pages as the build compressed them for installing: each renders
# without a single warning from man and groff (as lintian checks them), has
# a NAME line that apropos can read, names this version, and is compressed
# reproducibly (no file name, no time stamp). Skipped (77) without man.
#   man_pages_test.sh VERSION PAGE.gz...
set -u

version=$1
shift
if ! command -v man >/dev/null; then
    echo "SKIPPED: man is missing: install the Debian packages man-db and groff-base"
    exit 77
fi

failed=0
fail()
{
    echo "FAIL: $*"
    failed=1
}

for page in "$@"; do
    if [[ ! -r $page ]]; then
        fail "$page is missing"
        continue
    fi
    # Bytes 3..7 of a gzip header: the flags (0x08 names the file) and the
    # modification time.
    header=$(od -An -tx1 -j3 -N5 "$page" | tr -d ' \n')
    [[ $header == 0000000000 ]] || fail "$page is not compressed reproducibly (gzip -n): header bytes $header"

    errors=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    status=$?
    [[ $status -eq 0 && -z $errors ]] || fail "$page: man exited with $status:"$'\n'"$errors"

    footer=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" 2>/dev/null | tail -n 1)
    [[ $footer == *"Velmora $version"* ]] || fail "$page does not name Velmora $version: $footer"

    if command -v lexgrog >/dev/null; then
        whatis=$(LC_ALL=C.UTF-8 lexgrog "$page" 2>&1)
        [[ $whatis == *': "velmora'*' - '* ]] || fail "$page has no NAME line for apropos: $whatis"
    fi
done

[[ $failed -eq 0 ]] && echo "$# pages render cleanly"
exit "$failed"
