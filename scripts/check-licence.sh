#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source file of the project does not name its licence in its first line (a
# script: the line after its #! line); scripts/check-licence.sh --fix adds the line.
set -euo pipefail
cd "$(dirname "$0")/.."
line='SPDX-License-Identifier: GPL-3.0-or-later'
failures=0
while IFS= read -r file; do
    [ -f "$file" ] || continue
    case "$file" in
        *.cpp | *.h) want="// $line" ;;
        *) want="# $line" ;;
    esac
    first=$(head -n 1 "$file")
    at=1
    if [[ "$first" == '#!'* ]]; then
        at=2
    fi
    if [ "$(sed -n "${at}p" "$file")" != "$want" ]; then
        if [ "${1:-}" = "--fix" ]; then
            if [ "$at" = 2 ]; then
                sed -i "1a $want" "$file"
            else
                sed -i "1i $want" "$file"
            fi
        else
            echo "$file: line $at should be \"$want\""
            failures=$((failures + 1))
        fi
    fi
done < <(git ls-files --cached --others --exclude-standard '*.cpp' '*.h' 'CMakeLists.txt' '*/CMakeLists.txt' '*.sh' run test .ci/run)
[ "$failures" -eq 0 ] || exit 1
