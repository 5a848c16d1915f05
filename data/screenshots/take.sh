#!/usr/bin/env bash
# Takes game.png and editor.png, the metainfo's screenshots, from the built game offscreen.
# Usage: take.sh BUILD_DIR (after cmake --build BUILD_DIR --target quorvane_screenshot_driver)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/plugins/generic"
cp "$build/data/screenshots/libquorvane_screenshot_driver.so" "$work/plugins/generic/"

puzzle=$build/program/Puzzles/Anchor.qvf
info=$("$build/program/qvtool" info "$puzzle")
size=$(sed -n 's/^Size: *\([0-9]*\) x \([0-9]*\)$/\1x\2/p' <<< "$info")
# The first nine rows of the picture, solved: a game under way.
cells=$(sed -n '/^Picture:/,$p' <<< "$info" | tail -n +2 | head -9 |
    awk '{ for (x = 1; x <= length($1); ++x) if (substr($1, x, 1) == "#") printf "%d,%d;", x - 1, NR - 1 }')

env HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
    QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH="$work/plugins" \
    QT_QPA_GENERIC_PLUGINS=quorvanescreenshots QUORVANE_SHOT_FOLDER="$here" \
    QUORVANE_SHOT_SIZE="$size" QUORVANE_SHOT_CELLS="${cells%;}" \
    timeout 60 "$build/program/quorvane" "$puzzle"
ls -l "$here"/*.png
