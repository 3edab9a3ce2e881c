#!/bin/sh
# The catalogues hold every text the sources mark for translation, and none they no longer have:
# lupdate is run on copies and the texts compared with those of the committed catalogues.
#
#   check_current.sh <source root> <kx-layout-words> <lupdate> <folders> <catalogue.ts>...
# (folders: the translated source folders, separated by ";" as CMake lists them)
set -eu
root=$1 words=$2 lupdate=$3 folders=$4
shift 4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
QT_QPA_PLATFORM=offscreen "$words" "$work/LayoutWords.cpp"
for ts in "$@"; do
    cp "$ts" "$work/"
done
cd "$root"
# lupdate 6.4 loops forever on some expressions; a bounded run says so rather than hanging CI.
# shellcheck disable=SC2046 # the folders are words of their own
timeout 120 "$lupdate" -silent -recursive -locations none -no-obsolete -extensions cpp,h \
    $(echo "$folders" | tr ';' ' ') "$work/LayoutWords.cpp" -ts "$work"/*.ts
status=0
for ts in "$@"; do
    name=$(basename "$ts")
    if ! python3 - "$ts" "$work/$name" <<'PY'
import sys, xml.etree.ElementTree as ET
def texts(path):
    return {(c.findtext('name'), m.findtext('source'))
            for c in ET.parse(path).getroot().iter('context') for m in c.iter('message')}
committed, current = texts(sys.argv[1]), texts(sys.argv[2])
for context, source in sorted(current - committed):
    print(f'new text, not in {sys.argv[1]}: {context}: {source!r}')
for context, source in sorted(committed - current):
    print(f'text no longer in the sources, still in {sys.argv[1]}: {context}: {source!r}')
sys.exit(1 if current != committed else 0)
PY
    then
        status=1
    fi
done
[ $status -eq 0 ] || echo "run ./kx translations (ninja -C build kx-lupdate), then translate what is new"
exit $status
