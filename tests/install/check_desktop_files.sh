#!/usr/bin/env bash
# The desktop entry, the AppStream metainfo and the MIME package pass their formats' own checkers.
# Usage: check_desktop_files.sh DESKTOP_ENTRY METAINFO MIME_PACKAGE
set -euo pipefail
# It reports warnings and hints but succeeds, so anything it says is a failure.
if ! messages=$(desktop-file-validate "$1" 2>&1) || [ -n "$messages" ]; then
    echo "$messages"
    exit 1
fi
appstreamcli validate --no-net "$2"
xmllint --noout "$3"
