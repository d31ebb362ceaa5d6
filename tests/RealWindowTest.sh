#!/usr/bin/env bash
# Starts the installed program on a virtual X screen under a real window manager and checks what
# only a real display shows: size, hints, placement, caption and icon, real input, and closing.
# Usage: RealWindowTest.sh PROGRAM [--screenshot FILE]
set -euo pipefail

program=$1
screenshot=${3:-}
[[ ${2:-} == --screenshot && -n $screenshot ]] || screenshot=

source "$(dirname "$0")/checks.sh"
require_tools Xvfb openbox xdotool xprop xwininfo wmctrl import compare

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

start_desktop "$work"

"$program" >"$work/program.log" 2>&1 &
app=$!
pids+=("$app")
window=$(timeout 20 xdotool search --sync --onlyvisible --name 'Келмарин' | head -n 1 || true)
[[ -n $window ]] || { echo "the window did not appear" >&2; cat "$work/program.log" >&2; exit 1; }
waitFor 10 bash -c "xprop -id $window _NET_FRAME_EXTENTS | grep -q ="
sleep 0.5 # let the first paint finish

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
check "window asks for no minimise and no maximise button" asksForNoMinimiseOrMaximise
check "window manager offers no maximising or resizing" bash -c \
    "! xprop -id $window _NET_WM_ALLOWED_ACTIONS | grep -qE 'MAXIMIZE|RESIZE'"

check "client area is centred horizontally" near $((2 * left + width)) "$screen_width" 1
check "client area is centred vertically" near $((2 * top + height)) "$screen_height" 1
check "caption" equals "$(xprop -id "$window" _NET_WM_NAME)" \
    '_NET_WM_NAME(UTF8_STRING) = "www.kelmarin.example  Келмарин"'
check "32 x 32 window icon" bash -c "xprop -id $window _NET_WM_ICON | grep -q 'Icon (32 x 32)'"

# Real input. Positions are in the client area: a district button's indicator, a list row.
shot() { import -window root -crop "${width}x${height}+${left}+${top}" +repage "$work/$1.png"; }
region_differs() { # region_differs BEFORE AFTER WxH+X+Y
    local pixels
    pixels=$(compare -metric AE -crop "$3" "$work/$1.png" "$work/$2.png" null: 2>&1 || true)
    ((${pixels%% *} > 100))
}
text_area=449x185+8+152
list_area=209x80+240+60
click() { xdotool mousemove $((left + $1)) $((top + $2)) click 1; }
changes() { # changes BEFORE AFTER REGION: the region differs within five seconds
    local tries=50
    until shot "$2" && region_differs "$1" "$2" "$3"; do
        ((--tries > 0)) || return 1
        sleep 0.1
    done
}

shot start
click 24 105 # the third district button, "3.Врачански"
check "a click on a district button rewrites the text area" changes start district "$text_area"
check "and moves the apostle list" changes start district "$list_area"
click 300 70 # the top visible row of the apostle list, of another district
check "a click on an apostle row rewrites the text area" changes district apostle "$text_area"

if [[ -n $screenshot ]]; then
    sleep 0.5 # let the last paint finish
    read -r frame_left frame_right frame_top frame_bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS |
        sed 's/.*= //; s/,/ /g')
    import -window root -crop "$((width + frame_left + frame_right))x$((height + frame_top + frame_bottom))+$((left - frame_left))+$((top - frame_top))" \
        +repage "$screenshot"
    echo "screenshot saved: $screenshot"
fi

wmctrl -i -c "$window"
status=0
timeout 10 tail --pid="$app" -f /dev/null || status=timeout
wait "$app" || status=$?
check "closing through the window manager ends the program with status 0" equals "$status" 0
check "the program printed nothing" equals "$(grep -v XDG_RUNTIME_DIR "$work/program.log" || true)" ""

if ((failed > 0)); then
    echo "--- what the program printed:" >&2
    cat "$work/program.log" >&2
fi
finish
