#!/usr/bin/env bash
# Installs the build into a temporary prefix, makes the prefix read-only as /usr is, and starts the
# installed launcher offscreen with a shipped puzzle, as a file manager would. The game driver
# (game_driver.cpp) saves the game. The puzzle must have opened, the save dialog must have started
# in "Saved Games" under the user's data folder, and the saved game must be there.
# Usage: check_read_only_install.sh BUILD_DIR DRIVER_PLUGIN
set -euo pipefail
build=$1 driver=$2
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" > /dev/null
mkdir -p "$work/plugins/generic" "$work/home/runtime"
cp "$driver" "$work/plugins/generic/"
chmod 700 "$work/home/runtime"
puzzle=$prefix/lib/quorvane/Puzzles/Anchor.qvf
name=$("$prefix/lib/quorvane/qvtool" info "$puzzle" | sed -n 's/^Name: *//p')
chmod -R a-w "$prefix"

# Root writes into read-only folders, so as root the game runs as nobody.
as_player=()
if [ "$(id -u)" -eq 0 ]; then
    chown -R nobody "$work/home"
    as_player=(setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups)
fi
home=$work/home
status=0
env -i PATH="$PATH" HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" \
    XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH="$work/plugins" \
    QT_QPA_GENERIC_PLUGINS=quorvanedriver QUORVANE_DRIVER_REPORT="$home/report" \
    ASAN_OPTIONS="${ASAN_OPTIONS:-}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-}" \
    timeout 120 "${as_player[@]}" "$prefix/bin/quorvane" "$puzzle" || status=$?

saved_games=$home/data/Quorvane/Saved\ Games
expected_report="title: Quorvane - $name
dialog folder: $saved_games
closing"
report=$(cat "$home/report" 2> /dev/null || true)
failed=0
[ "$status" -eq 0 ] || { echo "the game ended with status $status"; failed=1; }
[ "$report" = "$expected_report" ] ||
    { printf 'report:\n%s\nexpected:\n%s\n' "$report" "$expected_report"; failed=1; }
# A saved game opens with the record of the puzzle it was started from.
cmp -n 33248 "$puzzle" "$saved_games/driven.qvs" || failed=1
exit $failed
