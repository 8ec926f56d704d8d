#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs clang-tidy (the checks of .clang-tidy) over the engine's sources, with the compile
# commands of a build (default build/debug). Exits non-zero on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/debug}
if [ ! -f "$build/compile_commands.json" ]; then
    echo "no $build/compile_commands.json: configure that build first (cmake --preset debug)" >&2
    exit 2
fi
mapfile -t sources < <(ls src/{common,geometry,construction,measure,view,export,catalogue,session,survey}/*.cpp \
                        src/surface/RecordingSurface.cpp src/surface/ImageSurface.cpp \
                        src/solid/SurfaceFaces.cpp src/solid/OuterFigures.cpp src/solid/SheetSplit.cpp \
                        src/solid/PlaneArrangement.cpp src/solid/OuterCells.cpp src/net/*.cpp)
printf '%s\n' "${sources[@]}" | xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet
