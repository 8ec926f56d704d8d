#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The folders of src/ depend in one direction:
#   common, geometry -> construction -> solid -> net -> measure, view, export, catalogue -> session -> survey
#   -> app, cli, viewer
# with survey (the survey of configurations, Qt-free) read by cli alone, and surface (the
# drawing-surface interface) beside construction. Every #include "folder/..." of a source file must name its own folder or one it may depend on, and Qt headers
# appear only in app, viewer and the OpenGL surface. Above construction only its values
# and the search's outside are seen: the headers listed in public_construction, and no
# file there names the search's insides (TBuild, TPreparation, the bound's and the working
# solid's types). Prints each offence; fails on any.
set -euo pipefail
cd "$(dirname "$0")/../src"

declare -A allowed=(
    [common]="common"
    [geometry]="common geometry"
    [construction]="common geometry construction"
    [surface]="common geometry surface"
    [solid]="common geometry construction solid"
    [net]="common geometry construction solid net"
    [measure]="common geometry construction solid measure"
    [view]="common geometry construction surface view"
    [export]="common geometry construction solid net export"
    [catalogue]="common geometry construction catalogue"
    [session]="common geometry construction solid net surface measure view export session"
    [app]="common geometry construction solid net surface measure view export catalogue session app"
    [survey]="common geometry construction solid net measure view export catalogue session survey"
    [cli]="common geometry construction solid net measure view export catalogue session survey cli"
    [viewer]="common geometry construction solid net surface measure view export catalogue session viewer"
)

# What construction/ shows the folders above it.
public_construction=" BuiltSolid.h ConfigurationText.h Dual.h Lookups.h PruningOptions.h Search.h SearchControl.h VertexConfiguration.h VertexGeometry.h "
search_insides='\b(TBuild|TPreparation|TSearchSolid|TBoundCache|TBoundEntry|TArrangementTable|TDualBuilder)\b'

failures=0
for file in $(find . -name '*.h' -o -name '*.cpp' | sort); do
    folder=$(echo "$file" | cut -d/ -f2)
    if [ -z "${allowed[$folder]+x}" ]; then
        echo "$file: folder '$folder' has no place in the order"
        failures=$((failures + 1))
        continue
    fi
    while IFS= read -r included; do
        target=${included%%/*}
        if [[ " ${allowed[$folder]} " != *" $target "* ]]; then
            echo "$file includes \"$included\": $folder may not depend on $target"
            failures=$((failures + 1))
        elif [ "$folder" != construction ] && [ "$target" = construction ] \
            && [[ "$public_construction" != *" ${included#construction/} "* ]]; then
            echo "$file includes \"$included\": the search's insides stay inside construction/"
            failures=$((failures + 1))
        fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\/[^"]*\)".*/\1/p' "$file")
    if [ "$folder" != construction ] && grep -nE "$search_insides" "$file" >/dev/null; then
        echo "$file names the search's insides: $(grep -noE "$search_insides" "$file" | head -1)"
        failures=$((failures + 1))
    fi
    # CGAL takes minutes to compile: it stays in the two files of the outer surface that need it.
    case "$folder/$(basename "$file")" in
        solid/MeshCgal.cpp | solid/FacePieces.cpp) ;;
        *)
            if grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<CGAL/' "$file" >/dev/null; then
                echo "$file: a CGAL header outside solid/MeshCgal.cpp and solid/FacePieces.cpp"
                failures=$((failures + 1))
            fi
            ;;
    esac
    case "$folder/$(basename "$file")" in
        app/* | viewer/* | surface/GlSurface.*) ;;
        *)
            if grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$file" >/dev/null; then
                echo "$file: a Qt header outside the window, the viewer and the OpenGL surface"
                failures=$((failures + 1))
            fi
            ;;
    esac
done
if [ "$failures" -gt 0 ]; then
    echo "$failures include(s) against the order of the folders"
    exit 1
fi
echo "includes follow the order of the folders"
