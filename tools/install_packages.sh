#!/bin/bash
# Installs the Debian packages the game needs to build ("play"), or to build and test ("test").
set -euo pipefail
PACKAGES=(g++ cmake ninja-build pkg-config libglfw3-dev libglew-dev libglm-dev libgl1-mesa-dri
          zlib1g-dev)
if [ "${1:-play}" = "test" ]; then
    PACKAGES+=(libgtest-dev libbenchmark-dev xvfb x11-utils xdotool imagemagick
               clang libclang-rt-14-dev clang-format
               dpkg-dev man-db desktop-file-utils appstream lintian)
fi
missing=()
for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO apt-get update
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
