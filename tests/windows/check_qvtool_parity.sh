#!/usr/bin/env bash
# qvtool built for Windows writes the same puzzle files and prints the same texts as the Linux
# build: every shipped picture made, described, checked, exported and imported again, and random
# puzzles generated from fixed seeds, by both, in two folders that must then be alike.
# Arguments: the Linux qvtool, the pictures' folder, then the Windows qvtool with what runs it.
set -euo pipefail
linux=$1
pictures=$2
shift 2
windows=("$@")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The creation date from the clock would differ.
export SOURCE_DATE_EPOCH=1700000000
id='{01234567-89AB-CDEF-0123-456789ABCDEF}'

# Runs one command of one side inside its folder; its texts and exit code go to the side's log,
# with line ends as Linux writes them and without the times check measures.
qvtool() {
    local side=$1
    shift
    local status=0
    if [ "$side" = linux ]; then
        (cd "$work/$side" && "$linux" "$@") >"$work/out" 2>&1 || status=$?
    else
        (cd "$work/$side" && "${windows[@]}" "$@") >"$work/out" 2>&1 || status=$?
    fi
    { echo "== qvtool $* -> $status"; tr -d '\r' <"$work/out" | sed -E 's/^Time: [0-9.]+ ms$/Time: - ms/'; } \
        >>"$work/$side.log"
}

for side in linux windows; do
    mkdir "$work/$side"
    cp "$pictures"/*.txt "$work/$side/"
    for picture in "$pictures"/*.txt; do
        name=$(basename "$picture" .txt)
        qvtool $side make "$name.txt" "$name.qvf" --creator Quorvane --level auto
        qvtool $side info "$name.qvf"
        qvtool $side check "$name.qvf"
        qvtool $side export "$name.qvf" "$name.non"
        qvtool $side import "$name.non" "$name-imported.qvf" --id "$id"
    done
    for seed in 1 2 3; do
        qvtool $side generate "random-$seed.qvf" --width 25 --height 20 --seed $seed --id "$id"
    done
    qvtool $side check missing.qvf
    mv "$work/$side.log" "$work/$side/commands.log"
done

if ! diff -r "$work/linux" "$work/windows"; then
    echo "the Windows qvtool differs from the Linux one (above: < Linux, > Windows)"
    exit 1
fi
echo "$(ls "$work/linux" | wc -l) files and $(grep -c '^== ' "$work/linux/commands.log") commands alike"
