#!/usr/bin/env python3
"""The manifest of the window's pictures: one "<sha256>  <name>" line per PNG file that
kx-draw-views drew (names relative to its output folder, sorted), so that a change to the
artwork shows in review as a changed line. The lines are those of sha256sum.

PicturesManifest.py check <manifest> <pictures folder>
    exits 1 naming each picture added, removed or changed since the manifest, and the command
    that updates it
PicturesManifest.py update <manifest> <pictures folder>
    rewrites the manifest from the folder
"""
import hashlib
import os
import re
import sys

UPDATE = "./kx screenshots --update-manifest"
LINE = re.compile(r"^([0-9a-f]{64})  (\S.*)$")


def drawn(folder):
    """Name -> hash of every PNG file below the folder."""
    pictures = {}
    for directory, _, names in os.walk(folder):
        for name in names:
            if not name.endswith(".png"):
                continue
            path = os.path.join(directory, name)
            with open(path, "rb") as picture:
                digest = hashlib.sha256(picture.read()).hexdigest()
            pictures[os.path.relpath(path, folder).replace(os.sep, "/")] = digest
    return pictures


def listed(manifest):
    """Name -> hash of the manifest's lines; a line of another form is an error."""
    pictures = {}
    with open(manifest, encoding="utf-8") as lines:
        for number, line in enumerate(lines, 1):
            match = LINE.match(line.rstrip("\n"))
            if not match or match.group(2) in pictures:
                raise ValueError(f"{manifest}:{number}: not a '<sha256>  <name>' line of its own")
            pictures[match.group(2)] = match.group(1)
    return pictures


def differences(old, new):
    """Lines naming each picture added, removed or changed from old to new, by name."""
    lines = []
    for name in sorted(old.keys() | new.keys()):
        if name not in old:
            lines.append(f"added: {name}")
        elif name not in new:
            lines.append(f"removed: {name}")
        elif old[name] != new[name]:
            lines.append(f"changed: {name}")
    return lines


def main(argv):
    if len(argv) != 4 or argv[1] not in ("check", "update"):
        print(__doc__.strip(), file=sys.stderr)
        return 2
    command, manifest, folder = argv[1:]
    pictures = drawn(folder)
    if not pictures:
        print(f"no pictures in {folder}: build first", file=sys.stderr)
        return 1
    if command == "update":
        text = "".join(f"{pictures[name]}  {name}\n" for name in sorted(pictures))
        with open(manifest + ".new", "w", encoding="utf-8") as out:
            out.write(text)
        os.replace(manifest + ".new", manifest)
        print(f"{manifest}: {len(pictures)} pictures")
        return 0
    try:
        expected = listed(manifest)
    except (OSError, ValueError) as error:
        print(error, file=sys.stderr)
        print(f"write it with: {UPDATE}", file=sys.stderr)
        return 1
    lines = differences(expected, pictures)
    if not lines:
        print(f"{len(pictures)} pictures as {os.path.basename(manifest)} lists them")
        return 0
    print(f"the pictures in {folder} differ from {manifest}:")
    for line in lines:
        print(f"  {line}")
    print(f"a change to the artwork that is meant: {UPDATE}, and commit the manifest")
    return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
