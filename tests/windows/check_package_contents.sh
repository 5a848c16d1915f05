#!/usr/bin/env bash
# The Windows zip holds the program folder and nothing else: the program, its splash library, the
# clue fonts, the help file, the read-me and one puzzle for each picture of the shipped collection,
# under one folder named as the zip. The zip is made by CPack from the built tree into a folder of
# the test's own, as the package target makes it, so nothing is built again.
# Usage: check_package_contents.sh CPACK BUILD_DIR PUZZLE_PICTURES_DIR
set -euo pipefail
cpack=$1 build=$2 pictures=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$cpack" -G ZIP --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; exit 1; }
zips=("$work"/Quorvane-*-win32.zip)
[ -f "${zips[0]}" ] || { echo "no Quorvane-<version>-win32.zip made"; ls "$work"; exit 1; }
top=$(basename "${zips[0]}" .zip)

{
    printf '%s\n' Quorvane.exe qvw32.dll qvsmall.fnt qvmedium.fnt Readme.txt Help/Quorvane.chm
    for picture in "$pictures"/*.txt; do
        echo "Puzzles/$(basename "$picture" .txt).qvf"
    done
} | sed "s|^|$top/|" | LC_ALL=C sort >"$work/expected"
# Folders are listed as entries of their own, ending in a slash.
(cd "$work" && cmake -E tar tf "${zips[0]}") | grep -v '/$' | LC_ALL=C sort >"$work/found"

if ! diff -u "$work/expected" "$work/found"; then
    echo "the zip's files (+) differ from the program folder's (-)"
    exit 1
fi
