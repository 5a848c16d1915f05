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
# Wine's display driver is not needed by a console program; without a display it would complain.
unset DISPLAY
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    # Two programs starting at once in a missing prefix would both make it.
    exec 9>"$WINEPREFIX.lock"
    flock 9
    [ -f "$WINEPREFIX/system.reg" ] || { wineboot --init >/dev/null 2>&1; wineserver --wait; }
    flock -u 9
fi
exec wine "$@"
