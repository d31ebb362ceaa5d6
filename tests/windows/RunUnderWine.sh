#!/usr/bin/env bash
# Runs a cross-built Qt test under Wine on a virtual X screen of its own, under a window manager,
# and shows QTest's report, which under Wine reaches no terminal.
# Usage: RunUnderWine.sh EMULATOR PREFIX TEST [ARGUMENT...]
set -euo pipefail

emulator=$1
prefix=$2
program=$3
shift 3

source "$(dirname "$0")/../checks.sh"
require_tools Xvfb openbox xprop wine

# The prefix's Wine processes end with the X screen they were shown on.
before_cleanup() { WINEPREFIX=$prefix wineserver -k 2>/dev/null; }
start_work
start_desktop "$work"

status=0
"$emulator" "$prefix" "$program" -o "Z:$work/report.txt,txt" "$@" || status=$?
cat "$work/report.txt" 2>/dev/null || echo "the test wrote no report" >&2
exit "$status"
