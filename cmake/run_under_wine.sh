#!/usr/bin/env bash
# Runs a Windows program of the build under wine, in the build's own wine prefix: the first
# argument is the prefix, the rest the program and its arguments. Wine's own messages are
# silenced, and its first start makes the prefix without asking to install anything.
set -euo pipefail
export WINEPREFIX="$1"
shift
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win32
# A console program needs no display driver; given a display, wine would open one.
unset DISPLAY
mkdir -p "$WINEPREFIX"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    # Two programs starting at once in a missing prefix would both make it.
    exec 9>"$WINEPREFIX.lock"
    flock 9
    [ -f "$WINEPREFIX/system.reg" ] || wineboot --init </dev/null >/dev/null 2>&1
    flock -u 9
fi
# The server and wine's services stay up between programs, which saves two seconds a start; a
# server already running makes this one leave at once.
wineserver -p 30 </dev/null >/dev/null 2>&1 || true
# Wine's services outlive the program and keep whatever it was given open, so a pipe to CTest or
# the build would stay open until they end: the program writes into files passed on afterwards.
output=$(mktemp)
errors=$(mktemp)
trap 'rm -f "$output" "$errors"' EXIT
status=0
wine "$@" >"$output" 2>"$errors" || status=$?
cat "$output"
cat "$errors" >&2
exit "$status"
