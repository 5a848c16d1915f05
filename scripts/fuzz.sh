#!/usr/bin/env bash
# Fuzzes one file reader, or every one in turn: scripts/fuzz.sh TARGET|all SECONDS.
# Builds the fuzz preset when needed, then runs the target for SECONDS on a scratch copy of
# fuzz/corpus/TARGET with fuzz/dict/TARGET.dict, so the committed corpus stays as it is, and
# ends with the executions and the corpus size. A crash's input stays in the scratch folder's
# crashes/ and the script fails.
#   FUZZ_ARGS   more libFuzzer options, e.g. "-runs=10000000" to stop at a number of executions
#   FUZZ_WORK   where each target's scratch folder goes, kept (default: a new temporary folder,
#               removed unless a crash is in it)
#   FUZZ_MERGE  1: merge what the run found into fuzz/corpus/TARGET, keeping only inputs that add
#               coverage
set -euo pipefail
cd "$(dirname "$0")/.."

targets=(puzzle_file editor_puzzle saved_game regedit raster_font bitmap non webpbn)

usage() {
    echo "usage: scripts/fuzz.sh TARGET|all SECONDS" >&2
    echo "targets: ${targets[*]}" >&2
    exit 2
}

[ $# -eq 2 ] || usage
[[ $2 =~ ^[1-9][0-9]*$ ]] || usage
seconds=$2
if [ "$1" = all ]; then
    chosen=("${targets[@]}")
else
    [[ " ${targets[*]} " == *" $1 "* ]] || usage
    chosen=("$1")
fi

if [ ! -f build-fuzz/build.ninja ]; then
    launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake --preset fuzz "${launcher[@]}"
fi
build_targets=()
for target in "${chosen[@]}"; do build_targets+=("${target}_fuzz"); done
cmake --build build-fuzz -j "${FUZZ_JOBS:-$(nproc)}" --target "${build_targets[@]}"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

failed=()
for target in "${chosen[@]}"; do
    if [ -n "${FUZZ_WORK:-}" ]; then
        work=$FUZZ_WORK/$target
        rm -rf "$work"
    else
        work=$(mktemp -d "${TMPDIR:-/tmp}/quorvane-fuzz-$target.XXXXXX")
    fi
    mkdir -p "$work/corpus" "$work/crashes"
    cp fuzz/corpus/"$target"/* "$work/corpus/"
    echo "== $target: $seconds s in $work"
    status=0
    # shellcheck disable=SC2086  # FUZZ_ARGS is a list of options
    build-fuzz/fuzz/"${target}_fuzz" "$work/corpus" -dict=fuzz/dict/"$target".dict \
        -max_total_time="$seconds" -timeout=25 -print_final_stats=1 \
        -artifact_prefix="$work/crashes/" ${FUZZ_ARGS:-} 2>&1 | tee "$work/log" || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -n 1)
    files=$(find "$work/corpus" -type f | wc -l)
    bytes=$(du -sb "$work/corpus" | cut -f1)
    echo "== $target: ${runs:-?} executions, corpus $files files, $bytes bytes"
    if [ "${FUZZ_MERGE:-0}" = 1 ]; then
        build-fuzz/fuzz/"${target}_fuzz" -merge=1 fuzz/corpus/"$target" "$work/corpus" >/dev/null 2>&1
        echo "== $target: fuzz/corpus/$target now $(find fuzz/corpus/"$target" -type f | wc -l) files"
    fi
    if [ "$status" -ne 0 ] || [ -n "$(ls -A "$work/crashes")" ]; then
        echo "== $target: FAILED; the input is in $work/crashes" >&2
        failed+=("$target")
    elif [ -z "${FUZZ_WORK:-}" ]; then
        rm -rf "$work"
    fi
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "== crashes in: ${failed[*]}" >&2
    exit 1
fi
