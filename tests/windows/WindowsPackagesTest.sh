#!/usr/bin/env bash
# Builds what a school gets, the portable zip and the installer, and checks them under Wine: the
# zip holds the one-file program and its licences; the program needs no library beside it; a
# silent install in a fresh Wine prefix puts the program, the Start-menu shortcut and the
# Add/Remove Programs entry in place, and the installed program shows its window; a silent
# uninstall removes them all.
# Usage: WindowsPackagesTest.sh BUILD CPACK EMULATOR
set -euo pipefail

build=$1
cpack=$2
emulator=$3

source "$(dirname "$0")/../checks.sh"
require_tools Xvfb openbox xdotool xprop wmctrl makensis x86_64-w64-mingw32-objdump wine

before_cleanup() { [[ ! -d $work/prefix ]] || WINEPREFIX=$work/prefix wineserver -k 2>/dev/null; }
start_work

(cd "$build" && "$cpack" -G "ZIP;NSIS" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; exit 1; }
zip=$build/kelmarin-1.0.0.0-win64.zip
setup=$build/kelmarin-1.0.0.0-win64-setup.exe
check "cpack made the zip and the installer" test -f "$zip" -a -f "$setup"

listing=$(cd "$work" && cmake -E tar tf "$zip" | grep -v '/$' | sort)
expected=$(printf '%s\n' kelmarin.exe LICENSE.txt README.txt \
    licenses/Qt/{GPL-3.0-only.txt,LGPL-3.0-only.txt,THIRD-PARTY-NOTICES.txt} | sort)
check "zip holds the program, the README and the licences, nothing else" equals "$listing" "$expected"

# Every Wine process of the prefix, the installer's too, shares one desktop with an X screen.
start_desktop "$work"
prefix=$work/prefix
wine() { WINEPREFIX=$prefix WINEDEBUG=-all command wine "$@"; }
"$emulator" "$prefix" cmd /c exit 0 # makes the fresh prefix
system32=$prefix/drive_c/windows/system32
(cd "$work" && cmake -E tar xf "$zip" kelmarin.exe)
mapfile -t imports < <(x86_64-w64-mingw32-objdump -p "$work/kelmarin.exe" |
    awk '/DLL Name:/ { print tolower($3) }')
# API sets (api-ms-win-*) are names that Windows itself resolves; Wine lacks some as files.
needsOnlyTheSystem() {
    local dll
    ((${#imports[@]} > 0)) || return 1
    for dll in "${imports[@]}"; do
        [[ $dll == api-ms-win-* || -n $(find "$system32" -maxdepth 1 -iname "$dll") ]] ||
            { echo "  needs $dll" >&2; return 1; }
    done
}
check "the program needs only libraries that Windows has" needsOnlyTheSystem

# Silent install, as school IT deploys it.
installed="$prefix/drive_c/Program Files/Kelmarin"
shortcut="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Келмарин.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kelmarin'
entry() { wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | awk -v name="$1" '$1 == name { $1 = $2 = ""; sub(/^ +/, ""); print }'; }
"$emulator" "$prefix" "$setup" /S
WINEPREFIX=$prefix wineserver -w
check "installs the program under Program Files" test -f "$installed/kelmarin.exe"
check "installs the licences beside it" test -f "$installed/licenses/Qt/LGPL-3.0-only.txt"
check "installs the Start-menu shortcut «Келмарин»" test -f "$shortcut"
check "Add/Remove Programs entry: version" equals "$(entry DisplayVersion)" 1.0.0.0
check "Add/Remove Programs entry: publisher" equals "$(entry Publisher)" "The Kelmarin developers"
check "Add/Remove Programs entry: icon" equals "$(entry DisplayIcon)" \
    'C:\Program Files\Kelmarin\kelmarin.exe,0'
check "Add/Remove Programs entry: silent uninstall" equals "$(entry QuietUninstallString)" \
    '"C:\Program Files\Kelmarin\Uninstall.exe" /S'
# The registry file writes non-ASCII characters as \x and their UTF-16 code in hex.
escaped=$(printf %s 'Келмарин' | iconv -f UTF-8 -t UTF-16BE | od --endian=big -An -tx2 -v |
    tr -s ' ' '\n' | sed '/^$/d; s/^0*/\\x/' | tr -d '\n')
check "Add/Remove Programs entry: name «Келмарин»" grep -qF "\"DisplayName\"=\"$escaped\"" \
    "$prefix/system.reg"

"$emulator" "$prefix" 'C:\Program Files\Kelmarin\kelmarin.exe' >"$work/program.log" 2>&1 &
pids+=($!)
window=$(await_lesson_window "$work/program.log" || true)
check "the installed program shows its window" test -n "$window"
if [[ -n $window ]]; then
    wmctrl -i -c "$window"
    timeout 20 env WINEPREFIX="$prefix" wineserver -w
else
    cat "$work/program.log" >&2
fi

"$emulator" "$prefix" 'C:\Program Files\Kelmarin\Uninstall.exe' /S
WINEPREFIX=$prefix wineserver -w # the uninstaller goes on in a copy of itself
check "silent uninstall removes the program folder" test ! -e "$installed"
check "and the shortcut" test ! -e "$shortcut"
check "and the Add/Remove Programs entry" bash -c "! WINEPREFIX='$prefix' WINEDEBUG=-all wine reg query '$key' >/dev/null 2>&1"

echo "sizes: kelmarin.exe $(stat -c %s "$work/kelmarin.exe") bytes," \
    "zip $(stat -c %s "$zip") bytes, installer $(stat -c %s "$setup") bytes"
finish
