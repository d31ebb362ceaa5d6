#!/usr/bin/env bash
# Runs a Windows program of this build under Wine, at build time and in the tests.
# Usage: wine-emulator.sh PREFIX PROGRAM [ARGUMENT...]
#
# PREFIX is the build's own Wine prefix, made on first use: no crash dialog (a program that
# ends with a run-time error just ends), and "Times New Roman" is Liberation Serif, as its
# metric twin stands in for it on Linux.
set -euo pipefail

if ! command -v wine >/dev/null; then
    echo "Wine is missing; install the test tools with: bash scripts/setup test" >&2
    exit 1
fi
export WINEPREFIX=$1
shift
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
# Qt writes its messages to standard error even where no console is attached. Wine keeps QT_*
# variables from Windows programs unless they are given as WINEQT_*.
export WINEQT_FORCE_STDERR_LOGGING=${WINEQT_FORCE_STDERR_LOGGING:-1}

(
    flock 9
    [[ -f $WINEPREFIX/kelmarin-prefix-ready ]] && exit 0
    rm -rf "$WINEPREFIX"
    reg() { DISPLAY= wine reg "$@" /f >/dev/null 2>&1; }
    DISPLAY= wineboot --init >/dev/null 2>&1
    reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /d 'Liberation Serif'
    reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0
    reg delete 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger || true
    wineserver -w
    touch "$WINEPREFIX/kelmarin-prefix-ready"
) 9>"$WINEPREFIX.lock"

exec wine "$@"
