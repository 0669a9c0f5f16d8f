#!/bin/sh
# Configures and builds Varnholm into ./build (executables in build/bin).
set -e
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)"
