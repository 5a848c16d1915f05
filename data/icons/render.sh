#!/usr/bin/env bash
# Renders the committed PNG icons from the SVG sources beside this script (needs rsvg-convert,
# Debian package librsvg2-bin). Run it again after changing an SVG.
set -euo pipefail
cd "$(dirname "$0")"

for size in 16 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" quorvane.svg -o "quorvane-$size.png"
    for type in puzzle saved-game; do
        rsvg-convert -w "$size" -h "$size" "application-x-quorvane-$type.svg" \
            -o "application-x-quorvane-$type-$size.png"
    done
done
