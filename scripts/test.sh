#!/bin/sh
# Runs every test: plain and widget tests offscreen, OpenGL tests under Xvfb.
set -e
cd "$(dirname "$0")/../build"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
ctest --output-on-failure -j2
