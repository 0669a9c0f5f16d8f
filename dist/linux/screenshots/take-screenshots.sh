#!/bin/sh
# Takes the AppStream screenshots from the real editor: installs the build
# into a scratch prefix, generates a terrain with the installed CLI, opens it
# in the editor on a private Xvfb display and grabs the window with
# ImageMagick's import. Needs xvfb, imagemagick and xdotool; run from any
# folder after a build, then commit the PNGs.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../../build}
work=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
unset XDG_CONFIG_HOME XDG_STATE_HOME
mkdir -p "$HOME/.config/varnholm" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

"$work/prefix/bin/varnholm-cli" generate --out "$HOME/valley.vhm" --seed 11 \
  --set X=65 --set Y=65 --set Size=128 --set Fractal=1 --set DiamondSquare=1 --set MaxSeed=512 \
  --set Smooth=1 --set SmoothPasses=2 >/dev/null 2>&1

display=:57
Xvfb $display -screen 0 1280x1024x24 -nolisten tcp &
xvfb=$!
export DISPLAY=$display QT_QPA_PLATFORM=xcb
sleep 1

# The view starts at the centre, level with the ground: look down with the
# right mouse button, walk back to see the whole terrain, then take the
# pointer off it.
overview() {
  xdotool mousemove 500 300 mousedown 3 mousemove_relative -- 0 45 mouseup 3
  xdotool keydown s
  sleep 2.5
  xdotool keyup s mousemove 1200 1000
  sleep 1
}

# The window at 1024 x 576 pixels, top left (the settings keep twips, 15 per
# pixel), the New Map dialog with the fractal generators chosen.
shot() {  # name render-mode [key [key]]
  printf '\n[Editor]\nTop=0\nLeft=0\nHeight=8640\nWidth=15360\nRenderMode=%s\n\n[New]\nFractal=1\nDiamondSquare=1\n' "$2" \
    >"$HOME/.config/varnholm/Varnholm.ini"
  "$work/prefix/bin/varnholm" "$HOME/valley.vhm" &
  editor=$!
  window=$(xdotool search --sync --name 'valley.vhm - Varnholm' | head -1)
  xdotool windowfocus --sync "$window"
  sleep 2
  overview
  if [ -n "${3:-}" ]; then
    xdotool key "$3"
    sleep 1
    [ -z "${4:-}" ] || xdotool key "$4"
    sleep 2
  fi
  import -window root -crop 1024x576+0+0 +repage -strip -define png:compression-level=9 "$here/$1.png"
  kill -TERM "$editor"
  wait "$editor" || true
}
shot main-window Solid
shot wireframe SolidWire
shot new-map Solid ctrl+n alt+f
