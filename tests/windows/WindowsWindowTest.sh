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

work=$(mktemp -d)
pids=()
# The prefix's Wine processes end with the X screen they were shown on.
cleanup() {
    WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

start_desktop "$work"

# As on Windows, where a windowed program's messages go to a debugger and not to a console: Qt's
# complaints about Wine's missing DPI functions are no output of the program's.
WINEQT_FORCE_STDERR_LOGGING=0 "$emulator" "$prefix" "$program" >"$work/program.log" 2>&1 &
app=$!
pids+=("$app")
window=$(timeout 60 xdotool search --sync --onlyvisible --name 'Келмарин' | head -n 1 || true)
[[ -n $window ]] || { echo "the window did not appear" >&2; cat "$work/program.log" >&2; exit 1; }
waitFor 10 bash -c "xprop -id $window _NET_FRAME_EXTENTS | grep -q ="
sleep 1 # let the first paint finish

info=$(xwininfo -id "$window")
field() { awk -F: -v name="$1" '$1 ~ name { gsub(/ /, "", $2); print $2 }' <<<"$info"; }
left=$(field 'Absolute upper-left X')
top=$(field 'Absolute upper-left Y')
width=$(field '^ *Width')
height=$(field '^ *Height')

check "client area is 461 x 345" equals "${width}x${height}" 461x345
hints=$(xprop -id "$window" WM_NORMAL_HINTS)
check "size hints forbid resizing" bash -c \
    "grep -q 'minimum size: 461 by 345' <<<'$hints' && grep -q 'maximum size: 461 by 345' <<<'$hints'"
# Motif hints: flags, functions, decorations. Bit 1 of either means "all but those listed".
read -r flags functions decorations _ < <(xprop -id "$window" _MOTIF_WM_HINTS | sed 's/.*= //; s/,/ /g')
asksForNoMinimiseOrMaximise() {
    (((flags & 3) == 3 && (functions & (1 | 8 | 16)) == 0 && (decorations & (1 | 32 | 64)) == 0))
}
check "frame asks for no minimise and no maximise box" asksForNoMinimiseOrMaximise
check "window manager offers no maximising or resizing" bash -c \
    "! xprop -id $window _NET_WM_ALLOWED_ACTIONS | grep -qE 'MAXIMIZE|RESIZE'"
check "client area is centred horizontally" near $((2 * left + width)) "$screen_width" 2
check "client area is centred vertically" near $((2 * top + height)) "$screen_height" 2
check "caption" equals "$(xprop -id "$window" _NET_WM_NAME)" \
    '_NET_WM_NAME(UTF8_STRING) = "www.kelmarin.example  Келмарин"'

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

wmctrl -i -c "$window"
status=0
timeout 20 tail --pid="$app" -f /dev/null || status=timeout
wait "$app" || status=$?
check "closing through the window manager ends the program with status 0" equals "$status" 0
check "the program printed nothing" equals "$(cat "$work/program.log")" ""

if ((failed > 0)); then
    echo "--- what the program printed:" >&2
    cat "$work/program.log" >&2
fi
finish
