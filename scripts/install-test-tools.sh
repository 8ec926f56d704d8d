#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the independent readers the export tests check files with that Debian does not
# package: the Khronos glTF validator, from npm, into DIR (a folder of the build).
#   scripts/install-test-tools.sh DIR
set -euo pipefail
dir=${1:?usage: scripts/install-test-tools.sh DIR}
version=2.0.0-dev.3.10
if [ -f "$dir/node_modules/gltf-validator/package.json" ] \
    && grep -q "\"version\": \"$version\"" "$dir/node_modules/gltf-validator/package.json"; then
    exit 0
fi
mkdir -p "$dir"
npm install --silent --no-audit --no-fund --prefix "$dir" "gltf-validator@$version"
