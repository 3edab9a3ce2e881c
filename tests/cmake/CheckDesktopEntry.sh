#!/usr/bin/env bash
# Checks a configured desktop entry with desktop-file-validate: fails when the tool is missing,
# when the file is missing, or when the tool reports anything at all (errors, warnings or hints).
# CheckDesktopEntry.sh <path of the .desktop file>
set -euo pipefail

if [ "$#" -ne 1 ]; then
    echo "usage: $0 <path of the .desktop file>" >&2
    exit 2
fi
entry=$1

if ! command -v desktop-file-validate >/dev/null 2>&1; then
    echo "desktop-file-validate not found: install desktop-file-utils to check $entry" >&2
    exit 1
fi
if [ ! -f "$entry" ]; then
    echo "no desktop entry at $entry" >&2
    exit 1
fi
if grep -q '@[A-Za-z_][A-Za-z0-9_]*@' "$entry"; then
    echo "$entry still holds unreplaced placeholders:" >&2
    grep -n '@[A-Za-z_][A-Za-z0-9_]*@' "$entry" >&2
    exit 1
fi

status=0
report=$(desktop-file-validate "$entry" 2>&1) || status=$?
if [ "$status" -ne 0 ] || [ -n "$report" ]; then
    echo "desktop-file-validate rejects $entry (exit status $status):" >&2
    printf '%s\n' "$report" >&2
    exit 1
fi
echo "$entry: valid"
