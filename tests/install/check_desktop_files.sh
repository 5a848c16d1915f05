#!/usr/bin/env bash
# The desktop entry, the AppStream metainfo and the MIME package pass their formats' own checkers.
# Usage: check_desktop_files.sh DESKTOP_ENTRY METAINFO MIME_PACKAGE
set -euo pipefail
# It reports warnings and hints but succeeds, so anything it says is a failure.
messages=$(desktop-file-validate "$1")
[ -z "$messages" ] || { echo "$messages"; exit 1; }
appstreamcli validate --no-net "$2"
xmllint --noout "$3"
