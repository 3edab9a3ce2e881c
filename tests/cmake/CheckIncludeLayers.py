#!/usr/bin/env python3
"""Checks that includes run one way between the program folders: a folder includes only from
the layers below its own. Includes name headers by file name (the targets' include folders),
so a header is found by its name; a name held by two folders is ambiguous and refused.

CheckIncludeLayers.py <source folder>
"""
import collections
import os
import re
import sys

# Top to bottom; folders on one line are peers and never include each other.
LAYERS = [
    ["tools", "KestrixOption", "KestrixDeamon", "kxctl"],
    ["KestrixDriver"],
    ["KxCore"],
    ["HvHIDComFunction"],
    ["DaRezOdavuzuv", "VirtualMouse"],
    ["Platform"],
    ["KxProtocol"],
]

root = sys.argv[1]
level = {folder: n for n, line in enumerate(LAYERS) for folder in line}
owner = collections.defaultdict(set)
sources = []
for folder in level:
    for directory, _, names in os.walk(os.path.join(root, folder)):
        for name in names:
            if name.endswith((".h", ".cpp")):
                owner[name].add(folder)
                sources.append((folder, os.path.join(directory, name)))

faults = []
for name, folders in sorted(owner.items()):
    if name.endswith(".h") and len(folders) > 1:
        faults.append(f"{name} is a header of {', '.join(sorted(folders))}: name one")
include = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
for folder, path in sources:
    with open(path, encoding="utf-8", errors="replace") as source:
        text = source.read()
    for match in include.finditer(text):
        target = os.path.basename(match.group(1))
        for other in owner.get(target, ()):
            if other == folder:
                continue
            if level[other] <= level[folder]:
                where = os.path.relpath(path, root)
                faults.append(f"{where} includes {target} of {other}/, which is not below it")

for fault in faults:
    print(fault)
sys.exit(1 if faults else 0)
