#!/bin/sh
# SPDX-License-Identifier: AGPL-3.0-or-later
# Renders the PNG sizes of the application icon from its SVG. Run after
# changing the SVG and commit the results; needs rsvg-convert (Debian package
# librsvg2-bin).
set -eu
cd "$(dirname "$0")/hicolor"
svg=scalable/apps/io.velmora.Velmora.svg
for size in 16 24 32 48 64 128 256; do
    mkdir -p "${size}x${size}/apps"
    rsvg-convert -w "$size" -h "$size" -o "${size}x${size}/apps/io.velmora.Velmora.png" "$svg"
done
