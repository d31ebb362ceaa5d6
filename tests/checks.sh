# Named checks for the shell tests: each prints "ok" or "FAILED", and finish prints the count
# and fails the test if any check failed. Sourced, not run.

passed=0
failed=0

check() { # check DESCRIPTION COMMAND...
    local description=$1
    shift
    if "$@"; then
        echo "ok: $description"
        passed=$((passed + 1))
    else
        echo "FAILED: $description" >&2
        failed=$((failed + 1))
    fi
}

equals() { [[ $1 == "$2" ]] || { echo "  expected '$2', got '$1'" >&2; return 1; }; }
contains() { grep -qF -- "$2" <<<"$1" || { echo "  '$2' not in: $1" >&2; return 1; }; }

# Fails with a hint when one of the named tools is not installed.
require_tools() {
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "'$tool' is missing; install the test tools with: bash scripts/setup test" >&2
            exit 1
        fi
    done
}

near() { (($1 - $2 <= $3 && $2 - $1 <= $3)) || { echo "  expected $2 (±$3), got $1" >&2; return 1; }; }
waitFor() { # waitFor SECONDS COMMAND...: polls until the command succeeds
    local tries=$(($1 * 10))
    shift
    until "$@" >/dev/null 2>&1; do
        ((--tries > 0)) || return 1
        sleep 0.1
    done
}

# start_work: a work folder (work) and a list of background processes (pids) for the test; at
# exit the function before_cleanup runs if the test has one, the processes end and the folder
# goes.
start_work() {
    work=$(mktemp -d)
    pids=()
    trap finish_work EXIT
}
finish_work() {
    if declare -F before_cleanup >/dev/null; then before_cleanup || true; fi
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}

# start_desktop WORK: a virtual X screen of screen_width x screen_height under openbox, for this
# shell and its children; its processes join the array pids, its logs go to WORK.
screen_width=1024
screen_height=768
start_desktop() {
    Xvfb -displayfd 3 -screen 0 "${screen_width}x${screen_height}x24" -nolisten tcp \
        3>"$1/display" 2>"$1/xvfb.log" &
    pids+=($!)
    waitFor 10 test -s "$1/display" || { cat "$1/xvfb.log" >&2; exit 1; }
    export DISPLAY=:$(cat "$1/display")
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
    openbox --sm-disable >"$1/openbox.log" 2>&1 &
    pids+=($!)
    waitFor 10 bash -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'" ||
        { echo "openbox did not start" >&2; exit 1; }
}

# await_lesson_window LOG: prints the id of the lesson's window once it is shown and framed;
# if it does not appear within a minute, shows LOG, what the program printed, and fails. Polled,
# because windows of the same name may come and go while a program starts (Wine's do).
await_lesson_window() {
    local window= tries=600
    until [[ -n $window ]] && xwininfo -id "$window" 2>/dev/null | grep -q IsViewable; do
        ((--tries > 0)) || { echo "the window did not appear" >&2; cat "$1" >&2; exit 1; }
        sleep 0.1
        window=$(xdotool search --onlyvisible --name 'Келмарин' 2>/dev/null | head -n 1 || true)
    done
    waitFor 10 bash -c "xprop -id $window _NET_FRAME_EXTENTS | grep -q ="
    echo "$window"
}

# check_lesson_window WINDOW TOLERANCE: the window as the window manager got it: size, size and
# frame hints, centring (to TOLERANCE pixels) and caption. Sets left, top, width and height, the
# client area on the screen.
check_lesson_window() {
    local window=$1 tolerance=$2 info hints flags functions decorations
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
    read -r flags functions decorations _ < <(xprop -id "$window" _MOTIF_WM_HINTS |
        sed 's/.*= //; s/,/ /g')
    check "frame asks for no minimise and no maximise box" test \
        $(((flags & 3) == 3 && (functions & (1 | 8 | 16)) == 0 && (decorations & (1 | 32 | 64)) == 0)) = 1
    check "window manager offers no maximising or resizing" bash -c \
        "! xprop -id $window _NET_WM_ALLOWED_ACTIONS | grep -qE 'MAXIMIZE|RESIZE'"
    check "client area is centred horizontally" near $((2 * left + width)) "$screen_width" "$tolerance"
    check "client area is centred vertically" near $((2 * top + height)) "$screen_height" "$tolerance"
    check "caption" equals "$(xprop -id "$window" _NET_WM_NAME)" \
        '_NET_WM_NAME(UTF8_STRING) = "www.kelmarin.example  Келмарин"'
}

# check_closing WINDOW PROGRAM LOG [IGNORED]: closing the window through the window manager ends
# the program (process PROGRAM) with status 0, and it printed nothing to LOG but lines matching
# the pattern IGNORED; if any check failed, shows LOG.
check_closing() {
    local window=$1 program=$2 log=$3 ignored=${4:-} status=0 printed
    wmctrl -i -c "$window"
    timeout 20 tail --pid="$program" -f /dev/null || status=timeout
    wait "$program" || status=$?
    check "closing through the window manager ends the program with status 0" equals "$status" 0
    printed=$(if [[ -n $ignored ]]; then grep -v -- "$ignored" "$log" || true; else cat "$log"; fi)
    check "the program printed nothing" equals "$printed" ""
    if ((failed > 0)); then
        echo "--- what the program printed:" >&2
        cat "$log" >&2
    fi
}

finish() {
    echo "$passed passed, $failed failed"
    ((failed == 0))
}
