#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The long differential sweep of the pruned search, outside ./test (Release build):
#   scripts/prune-sweep.sh [configurations] [seed]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
cmake --build --preset release --target zenkari-prune-sweep >/dev/null
exec build/release/zenkari-prune-sweep "$@"
