#!/bin/sh
# Renders the PNG icon sizes from varnholm.svg (needs rsvg-convert from
# librsvg2-bin). Run after changing the SVG and commit the PNGs with it.
set -e
cd "$(dirname "$0")"
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" varnholm.svg --output "varnholm-$size.png"
done
