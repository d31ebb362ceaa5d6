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

start_work
start_desktop "$work"

"$program" >"$work/program.log" 2>&1 &
app=$!
pids+=("$app")
window=$(await_lesson_window "$work/program.log") || exit 1
sleep 0.5 # let the first paint finish

check_lesson_window "$window" 1
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

check_closing "$window" "$app" "$work/program.log" XDG_RUNTIME_DIR
finish
