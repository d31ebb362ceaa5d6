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

finish() {
    echo "$passed passed, $failed failed"
    ((failed == 0))
}
