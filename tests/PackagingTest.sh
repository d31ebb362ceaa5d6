#!/usr/bin/env bash
# Checks the installed desktop files with the ecosystem's own validators, the icon sizes, and
# the Debian package that cpack builds from the same tree.
# Usage: PackagingTest.sh STAGED_PREFIX BUILD_DIRECTORY CPACK
set -euo pipefail

prefix=$1
build=$2
cpack=$3
id=example.kelmarin.Kelmarin
version=1.0.0.0

source "$(dirname "$0")/checks.sh"
require_tools desktop-file-validate appstreamcli dpkg-deb dpkg-shlibdeps identify

silent() { local output; output=$("$@" 2>&1) && [[ -z $output ]] || { echo "$output" >&2; return 1; }; }
succeeds() { local output; output=$("$@" 2>&1) || { echo "$output" >&2; return 1; }; }

desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
check "desktop entry passes desktop-file-validate" silent desktop-file-validate "$desktop"
check "metainfo passes appstreamcli validate" succeeds appstreamcli validate --no-net "$metainfo"
check "desktop entry names the icon by the application id" contains "$(cat "$desktop")" "Icon=$id"
check "metainfo launches the desktop entry" contains "$(cat "$metainfo")" \
    "<launchable type=\"desktop-id\">$id.desktop</launchable>"
check "metainfo release is $version" contains "$(cat "$metainfo")" "<release version=\"$version\""

for size in 32 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    check "icon ${size}x${size}" equals "$(identify -format '%wx%h' "$icon" 2>&1)" "${size}x${size}"
done

# The package, built into a folder of its own.
packages=$(mktemp -d)
trap 'rm -rf "$packages"' EXIT
(cd "$build" && "$cpack" -G DEB -B "$packages" >"$packages/cpack.log" 2>&1) || {
    cat "$packages/cpack.log" >&2
    exit 1
}
deb=$packages/kelmarin_${version}_$(dpkg --print-architecture).deb
check "package file is named $(basename "$deb")" test -f "$deb"
field() { dpkg-deb -f "$deb" "$1"; }
check "package name" equals "$(field Package)" kelmarin
check "package version" equals "$(field Version)" "$version"
check "maintainer with an address" bash -c "grep -qE '<[^@>]+@[^>]+>' <<<'$(field Maintainer)'"
depends=$(field Depends)
for dependency in 'libqt6widgets6 (>=' 'libc6 (>=' qt6-qpa-plugins fonts-liberation2; do
    check "depends on $dependency" contains "$depends" "$dependency"
done
description=$(field Description)
check "description in English" contains "$description" "April Uprising of 1876"
check "description in Bulgarian" contains "$description" "Априлското въстание"

expected_files=$(printf '%s\n' ./usr/bin/kelmarin "./usr/share/applications/$id.desktop" \
    "./usr/share/metainfo/$id.metainfo.xml" ./usr/share/doc/kelmarin/copyright \
    "./usr/share/icons/hicolor/"{128x128,256x256,32x32,64x64}"/apps/$id.png" | sort)
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort)
check "package holds the program, its desktop files, icons and copyright" equals "$files" "$expected_files"

finish
