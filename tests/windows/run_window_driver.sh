#!/usr/bin/env bash
# Runs the window driver on an X display of its own under Openbox, as a desktop frames and focuses
# windows: its own Xvfb, and afterwards, pass or fail, every wine program of the prefix, its server,
# the window manager and the display are ended.
# Arguments: the driver, Quorvane.exe, window_probe.exe, the program folder, the wine prefix.
set -euo pipefail
driver=$1
prefix=$5

number=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number" >/dev/null 2>&1 &
xvfb=$!
openbox=
finish() {
    WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true
    [ -z "$openbox" ] || kill "$openbox" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -f "$number"
}
trap finish EXIT
# Xvfb writes the number of the display it chose once it takes connections.
for _ in $(seq 100); do
    [ -s "$number" ] && break
    sleep 0.1
done
export DISPLAY=":$(cat "$number")"

openbox >/dev/null 2>&1 &
openbox=$!
# Openbox names its check window on the root once it manages the screen.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
"$driver" "${@:2}"
