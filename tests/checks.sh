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

finish() {
    echo "$passed passed, $failed failed"
    ((failed == 0))
}
