#!/bin/bash
# SPDX-License-Identifier: AGPL-3.0-or-later
# The bash completion of velmora-chart as the shell calls it: a table of
# command lines and the words offered for their last word, checked with
# bash-completion's helpers loaded and without them (the script's own
# fallbacks). Skipped (77) when bash-completion is not installed, after the
# run without it.
#   completion_test.sh PATH_TO_COMPLETION_SCRIPT
set -u
unset TZDIR

script=$1
framework=/usr/share/bash-completion/bash_completion
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Files to offer or to leave out, and a zone folder without tzdata.zi.
mkdir -p "$scratch/files/sub" "$scratch/zones/Europe" "$scratch/zones/Etc" "$scratch/zones/posix/Europe"
touch "$scratch/files/chart.pdf" "$scratch/files/chart.PNG" "$scratch/files/notes.txt"
touch "$scratch/zones/Europe/Moscow" "$scratch/zones/Etc/GMT+3" "$scratch/zones/posix/Europe/Moscow" \
    "$scratch/zones/zone.tab" "$scratch/zones/leapseconds"

# Command line | the words offered, sorted (C order), separated by spaces.
# A line ending in a space completes an empty word. ZONES is a zone folder
# for TZDIR; empty means the system's.
cases="
velmora-chart --t|--tz
velmora-chart --h|--header --help
velmora-chart 01.01.2000 12:00 --js|--json
velmora-chart --fold |earlier later
velmora-chart --fold l|later
velmora-chart --luck |female male ж м
velmora-chart --luck м|м
velmora-chart --batch --fold e|earlier
velmora-chart --place Ka|
velmora-chart --correction |
velmora-chart 01.01|
velmora-chart --tz Europe/Mos|Europe/Moscow
velmora-chart --tz Europe/Kie|Europe/Kiev
velmora-chart --tz Asia/Yekaterin|Asia/Yekaterinburg
velmora-chart --tz E|Etc/GMT+3 Europe/Moscow|ZONES
velmora-chart --tz p|
velmora-chart --pdf $scratch/files/|$scratch/files/chart.pdf $scratch/files/sub
velmora-chart --png $scratch/files/c|$scratch/files/chart.PNG
"

# Prints the words offered for the last word of the command line $1.
offered()
{
    local COMP_LINE=$1 COMP_POINT=${#1} COMP_WORDS COMP_CWORD COMPREPLY=()
    read -ra COMP_WORDS <<<"$COMP_LINE"
    [[ $COMP_LINE == *' ' ]] && COMP_WORDS+=('')
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    _velmora_chart velmora-chart "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort | tr '\n' ' ' | sed 's/ *$//'
}

# Runs the table; prints each failure and returns how many failed.
run_cases()
{
    local mode=$1 failed=0 line command expected zones got
    while IFS='|' read -r command expected zones; do
        [[ -z $command ]] && continue
        if [[ $zones == ZONES ]]; then
            got=$(TZDIR=$scratch/zones offered "$command")
        else
            got=$(offered "$command")
        fi
        if [[ $got != "$expected" ]]; then
            echo "FAIL ($mode): '$command' offered [$got], expected [$expected]"
            failed=$((failed + 1))
        fi
    done <<<"$cases"
    return "$failed"
}

status=0
(source "$script" && run_cases "without bash-completion") || status=1
if [[ ! -r $framework ]]; then
    [[ $status -ne 0 ]] && exit 1
    echo "SKIPPED: $framework is missing: install the Debian package bash-completion"
    exit 77
fi
(source "$framework" && source "$script" && run_cases "with bash-completion") || status=1
[[ $status -eq 0 ]] && echo "all completions as expected"
exit "$status"
