#!/usr/bin/env bash
# Checks that every C++ file of the tree is formatted with the project's .clang-format.
# CheckFormat.sh <source folder>
set -euo pipefail
cd "$1"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h')
else
    mapfile -t files < <(find . -path ./build -prune -o -path './build-*' -prune -o \
                              \( -name '*.cpp' -o -name '*.h' \) -print)
fi
existing=()
for f in "${files[@]}"; do
    [ -f "$f" ] && existing+=("$f")
done
clang-format --dry-run --Werror "${existing[@]}"
