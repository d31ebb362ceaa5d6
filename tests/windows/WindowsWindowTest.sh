#!/usr/bin/env bash
# Starts kelmarin.exe under Wine on a virtual X screen under a real window manager and checks
# what Wine passes on to it: size, size and frame hints, placement, caption, real clicks that
# give exactly the district's report (read back through the clipboard), and closing.
# Usage: WindowsWindowTest.sh EMULATOR PREFIX PROGRAM REPORT_PRINTER
set -euo pipefail

emulator=$1
prefix=$2
program=$3
printer=$4

source "$(dirname "$0")/../checks.sh"
require_tools Xvfb openbox xdotool xprop xwininfo wmctrl xclip wine

# The prefix's Wine processes end with the X screen they were shown on.
before_cleanup() { WINEPREFIX=$prefix wineserver -k 2>/dev/null; }
start_work
start_desktop "$work"

# As on Windows, where a windowed program's messages go to a debugger and not to a console: Qt's
# complaints about Wine's missing DPI functions are no output of the program's.
WINEQT_FORCE_STDERR_LOGGING=0 "$emulator" "$prefix" "$program" >"$work/program.log" 2>&1 &
app=$!
pids+=("$app")
window=$(await_lesson_window "$work/program.log") || exit 1
sleep 1 # let the first paint finish

check_lesson_window "$window" 2

# Real input at positions in the client area; the report is read back as the pupil could copy
# it: select all in the text area, copy, and take the clipboard through Wine's bridge to X.
click() { xdotool mousemove $((left + $1)) $((top + $2)) click 1; }
report() {
    click 200 250
    xdotool key ctrl+a ctrl+c
    sleep 0.3
    xclip -o -selection clipboard 2>/dev/null | tr -d '\r'
}
expected() { "$emulator" "$prefix" "$printer" "$1" | tr -d '\r'; }
showsReport() { # showsReport DISTRICT: within five seconds
    local want tries=10
    want=$(expected "$1")
    until [[ $(report) == "$want" ]]; do
        ((--tries > 0)) || { echo "  got: $(report)" >&2; return 1; }
        sleep 0.5
    done
}
click 300 70 # the top row of the apostle list, Георги Апостолов, of district 3
check "a click on an apostle row shows its district's report" showsReport 2
click 22 73 # the first district button, "1.Търновски"
check "a click on a district button shows its report" showsReport 0

check_closing "$window" "$app" "$work/program.log"
finish
