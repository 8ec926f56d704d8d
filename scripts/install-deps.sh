#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Zenkari needs to build and test, and only those
# that are missing. Uses sudo when not run as root.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    libgtest-dev libcoin-dev libassimp-dev libpng-dev lib3mf-dev
    qt6-base-dev libqt6opengl6-dev libgl-dev libgl1-mesa-dri
    xvfb xauth fonts-ipafont-gothic qt6-translations-l10n qt6-tools-dev qt6-l10n-tools
    admesh assimp-utils libxcb1-dev
    libcgal-dev libgmp-dev libmpfr-dev
    libcairo2-dev poppler-utils libxml2-utils libboost-dev
    libopenmpi-dev openmpi-bin
    clang-format clang-tidy
)
# Node.js and npm run the glTF validator of the tests; a machine that has them from
# elsewhere keeps its own.
if ! command -v npm >/dev/null 2>&1; then
    packages+=(nodejs npm)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
    as_root=()
else
    as_root=(sudo)
fi

echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
