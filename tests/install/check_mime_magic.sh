#!/usr/bin/env bash
# The MIME package, built into a database of its own beside the system's, must name a puzzle by
# its signature bytes when the file's name says nothing, and each type by its extension.
# Usage: check_mime_magic.sh MIME_PACKAGE PUZZLE_FILE
set -euo pipefail
package=$1 puzzle=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/share/mime/packages"
cp "$package" "$work/share/mime/packages/"
# The tool warns about what it does not understand but still succeeds, so its words are failures.
messages=$(XDG_DATA_HOME="$work/share" update-mime-database "$work/share/mime" 2>&1)
[ -z "$messages" ] || { echo "update-mime-database: $messages"; exit 1; }

cp "$puzzle" "$work/renamed.bin"
cp "$puzzle" "$work/game.qvs"
head -c 33248 /dev/zero > "$work/zeros.bin"
: > "$work/empty.qvf"

failed=0
expect() {
    # A plain session, so xdg-mime asks the shared-mime-info database and no desktop's own tool.
    local found
    found=$(env -i PATH="$PATH" HOME="$work" XDG_DATA_HOME="$work/share" \
        XDG_DATA_DIRS=/usr/local/share:/usr/share xdg-mime query filetype "$work/$1")
    if [ "$found" != "$2" ]; then
        echo "$1: expected $2, found $found"
        failed=1
    fi
}
expect renamed.bin application/x-quorvane-puzzle
expect empty.qvf application/x-quorvane-puzzle
# A saved game opens with a puzzle record; its name, not its bytes, makes it a saved game.
expect game.qvs application/x-quorvane-saved-game
expect zeros.bin application/octet-stream
exit $failed
