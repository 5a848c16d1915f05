#!/usr/bin/env bash
# Runs a window test on a display of its own with a window manager, which frames the windows as
# a desktop does: its own X server (Xvfb) and Openbox, both ended when the test ends.
set -euo pipefail
test_program=$1

number=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -f "$number"' EXIT
# Xvfb writes the number of the display it chose once it takes connections.
for _ in $(seq 100); do
    [ -s "$number" ] && break
    sleep 0.1
done
export DISPLAY=":$(cat "$number")"

openbox >/dev/null 2>&1 &
openbox=$!
trap 'kill $openbox $xvfb 2>/dev/null || true; rm -f "$number"' EXIT
# Openbox names its check window on the root once it manages the screen.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
# A display brings in the desktop's libraries, whose lasting allocations are not the program's.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$(dirname "$0")/system_library_leaks.supp"
QT_QPA_PLATFORM=xcb "$test_program"
