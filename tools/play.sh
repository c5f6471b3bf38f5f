#!/bin/bash
# Builds the game and starts it full-screen on the current display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install_packages.sh play
cmake -S . -B build/play -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARNHOLD_TESTS=OFF -DVARNHOLD_BENCH=OFF
cmake --build build/play --target varnhold
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Varnhold needs a graphical display (DISPLAY is not set): start it from a desktop session." >&2
    exit 1
fi
cd data
exec ../build/play/varnhold
