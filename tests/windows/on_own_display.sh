#!/usr/bin/env bash
# Runs a Windows test program that makes windows under wine, which needs an X display for them:
# on an Xvfb display of its own and in a wine prefix of its own, both ended when it ends.
# Usage: on_own_display.sh PREFIX PROGRAM [ARGUMENTS...]
set -euo pipefail
export WINEPREFIX=$1
shift
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win32

# Programs sharing the prefix take turns: each ends the prefix's server when it is done.
mkdir -p "$WINEPREFIX"
exec 9>"$WINEPREFIX.lock"
flock 9

number=$(mktemp)
output=$(mktemp)
errors=$(mktemp)
# The program writes each fault of its own code here as it is raised (src/win/platform/fault_log.h),
# on drive Z:, which is the Unix root. Its tests fail on the faults they see; one raised after the
# last test, where no test is left to fail, fails the run here.
faults=$(mktemp)
export QUORVANE_FAULT_LOG="Z:${faults//\//\\}"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number" >/dev/null 2>&1 &
xvfb=$!
# Wine's server and services end with the prefix's programs, before the display they use.
trap 'wineserver -k >/dev/null 2>&1 || true; kill $xvfb 2>/dev/null || true
      rm -f "$number" "$output" "$errors" "$faults"' EXIT
# Xvfb writes the number of the display it chose once it takes connections.
for _ in $(seq 100); do
    [ -s "$number" ] && break
    sleep 0.1
done
export DISPLAY=":$(cat "$number")"

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot --init </dev/null >/dev/null 2>&1
    # Without a window manager, wine waits for one at every window hidden: it draws its own
    # frames instead.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
fi
# Wine's services would keep a pipe to CTest open, so the program writes into files.
status=0
wine "$@" >"$output" 2>"$errors" || status=$?
cat "$output"
cat "$errors" >&2
if [ -s "$faults" ]; then
    echo "The program faulted in its own code:" >&2
    cat "$faults" >&2
    [ "$status" -ne 0 ] || status=1
fi
exit "$status"
