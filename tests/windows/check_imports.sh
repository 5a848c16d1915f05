#!/usr/bin/env bash
# Every executable of the Windows build imports only DLLs that come with Windows, so the program
# folder runs on a bare system: the C++ runtime, threads and the libraries are linked in.
# Arguments: objdump, then any number of "--also NAME.dll" for DLLs that ship beside the
# executables (the program's splash library), then the executables.
set -euo pipefail
objdump=$1
shift
# Windows' own: the kernel and the base services, the C runtime every Windows has, COM, and the
# window system with its common dialogs and controls.
system='kernel32|advapi32|msvcrt|ole32|oleaut32|user32|gdi32|shell32|comctl32|comdlg32|shlwapi|version|winmm|uuid'
while [ "${1:-}" = --also ]; do
    system="$system|${2%.dll}"
    shift 2
done
system="^($system)\\.dll\$"
failed=0
for executable in "$@"; do
    imports=$("$objdump" -p "$executable" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
    [ -n "$imports" ] || { echo "$executable: no import table read"; failed=1; continue; }
    foreign=$(grep -Ev "$system" <<<"$imports" || true)
    if [ -n "$foreign" ]; then
        echo "$executable needs DLLs Windows does not have: $(tr '\n' ' ' <<<"$foreign")"
        failed=1
    fi
done
exit $failed
