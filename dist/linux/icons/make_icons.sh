#!/usr/bin/env bash
# Renders the PNG sizes of every icon from its SVG (needs rsvg-convert from
# librsvg2-bin). The PNGs are kept in the repository beside their SVGs.
set -euo pipefail
cd "$(dirname "$0")"
for svg in *.svg; do
  name=${svg%.svg}
  for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "png/$size"
    rsvg-convert -w "$size" -h "$size" "$svg" -o "png/$size/$name.png"
  done
done
