#!/usr/bin/env bash
# Start-up of the game beside a bare Qt main window: the time from exec to the main window mapped
# on the display, and the resident memory at that moment. Each program starts RUNS times (after
# one unmeasured start that warms the disk caches) from its folder, on an Xvfb display of its own
# and, as on a desktop, under a session bus. The game waits 1000 ms behind its splash on purpose;
# the table shows when the splash came up, when the main window did, what the start-up cost
# beyond that wait, and the processor time its threads had taken by then, which other work on the
# machine does not stretch.
#
# Usage: bench/startup_time.sh [BUILD_DIR] [RUNS]   (build-bench and 7 by default)
set -euo pipefail

build=$(realpath "${1:-build-bench}")
runs=${2:-7}
# The game's deliberate pause between its splash and its windows.
splash_wait_ms=1000

game=$build/program/quorvane
bare=$build/bench/bare_window
for program in "$game" "$bare"; do
    [ -x "$program" ] || { echo "no $program: build the bench preset first (README)" >&2; exit 1; }
done
for tool in Xvfb xev xprop; do
    command -v $tool >/dev/null || { echo "$tool is missing: run scripts/deps.sh" >&2; exit 1; }
done

# Under a session bus of our own, as a desktop session has one. The bus's complaints go nowhere;
# the script's own messages keep their way out through descriptor 3.
if [ -z "${QUORVANE_STARTUP_BUS:-}" ] && command -v dbus-run-session >/dev/null; then
    QUORVANE_STARTUP_BUS=1 exec dbus-run-session -- "$0" "$@" 3>&2 2>/dev/null
fi
[ -n "${QUORVANE_STARTUP_BUS:-}" ] && exec 2>&3 3>&-

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
# The settings go to a folder of their own: the runs neither read nor change the user's.
export XDG_CONFIG_HOME=$work/config
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$work/runtime}
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
export DISPLAY=":$(cat "$work/display")"
export QT_QPA_PLATFORM=xcb

# Every window mapped on the screen, one line each: the time it was seen, then its id.
map_log=$work/maps
xev -root -event substructure 2>/dev/null | while IFS= read -r line; do
    case $line in
    "    event "*", window "*) [ -n "${mapped:-}" ] && echo "$EPOCHREALTIME ${line#*, window }" ;;
    esac
    case $line in MapNotify*) mapped=1 ;; *) mapped= ;; esac
done >"$map_log" &
pids+=($!)
sleep 0.5

# Starts the program once and prints: ms to its first window, ms to the window titled $2, VmRSS kB
# and the processor ms of all its threads then.
measure() {
    local program=$1 title=$2 seen=0 first="" line time id
    local start_file=$work/start
    local from
    from=$(wc -l <"$map_log")
    (cd "$(dirname "$program")" && echo "$EPOCHREALTIME" >"$start_file" && exec "$program") \
        >/dev/null 2>&1 &
    local pid=$!
    for _ in $(seq 2000); do
        while IFS= read -r line; do
            seen=$((seen + 1))
            time=${line%% *}
            id=${line#* }
            id=${id%%,*}
            [ -z "$first" ] && first=$time
            if xprop -id "$id" WM_NAME 2>/dev/null | grep -qF "= \"$title\""; then
                local rss cpu
                rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")
                cpu=$(cat /proc/"$pid"/task/*/schedstat | awk '{ ns += $1 } END { print ns / 1e6 }')
                kill "$pid"
                wait "$pid" 2>/dev/null || true
                awk -v s="$(cat "$start_file")" -v f="$first" -v m="$time" -v r="$rss" -v c="$cpu" \
                    'BEGIN { printf "%.1f %.1f %d %.1f\n", (f - s) * 1000, (m - s) * 1000, r, c }'
                return
            fi
        done < <(tail -n +$((from + seen + 1)) "$map_log")
        sleep 0.01
    done
    kill "$pid" 2>/dev/null || true
    echo "$program showed no window titled \"$title\" within 20 s" >&2
    exit 1
}

# Median (min-max) of a column of numbers.
summary() {
    sort -n | awk '{ v[NR] = $1 } END {
        m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf "%.0f (%.0f-%.0f)", m, v[1], v[NR] }'
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

printf '%-12s %16s %18s %16s %16s %9s\n' program "first window ms" "main window ms" "beyond wait ms" \
    "CPU ms" "VmRSS MB"
row() {
    local name=$1 program=$2 title=$3 wait_ms=$4 results=$work/$1
    measure "$program" "$title" >/dev/null
    for _ in $(seq "$runs"); do measure "$program" "$title"; done >"$results"
    printf '%-12s %16s %18s %16s %16s %9.1f\n' "$name" \
        "$(cut -d' ' -f1 "$results" | summary)" \
        "$(cut -d' ' -f2 "$results" | summary)" \
        "$(awk -v w="$wait_ms" '{ print $2 - w }' "$results" | summary)" \
        "$(cut -d' ' -f4 "$results" | summary)" \
        "$(cut -d' ' -f3 "$results" | median | awk '{ print $1 / 1024 }')"
}
row bare_window "$bare" "Bare window" 0
row quorvane "$game" "Quorvane [BETA]" "$splash_wait_ms"
