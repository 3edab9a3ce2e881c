#!/usr/bin/env python3
"""The pictures' manifest check names every picture added, removed or changed, and only those,
and refuses a manifest it cannot read, over a folder of its own.

PicturesManifestTest.py <PicturesManifest.py>
"""
import os
import subprocess
import sys
import tempfile

tool = sys.argv[1]
faults = []


def run(command, manifest, folder):
    done = subprocess.run([sys.executable, tool, command, manifest, folder],
                          capture_output=True, text=True)
    return done.returncode, done.stdout + done.stderr


def expect(what, condition, output):
    if not condition:
        faults.append(f"{what}:\n{output}")


with tempfile.TemporaryDirectory() as root:
    folder = os.path.join(root, "Pictures")
    os.makedirs(os.path.join(folder, "icons", "16"))
    manifest = os.path.join(root, "pictures.sha256")

    def write(name, data):
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data)

    code, output = run("check", manifest, folder)
    expect("an empty folder is refused", code == 1 and "build first" in output, output)

    write("A_Normal.png", b"a")
    write("B_Over.png", b"b")
    write("Kept.png", b"k")
    write("KxPictures.qrc", b"not a picture")
    write(os.path.join("icons", "16", "icon.png"), b"i")
    code, output = run("update", manifest, folder)
    expect("update writes the manifest", code == 0, output)
    with open(manifest, encoding="utf-8") as lines:
        names = [line.split("  ", 1)[1].rstrip("\n") for line in lines]
    expect("one line per picture, below the folder too, sorted; nothing else",
           names == ["A_Normal.png", "B_Over.png", "Kept.png", "icons/16/icon.png"], names)
    code, output = run("check", manifest, folder)
    expect("the same pictures pass", code == 0, output)

    write("A_Normal.png", b"a, drawn anew")
    os.remove(os.path.join(folder, "B_Over.png"))
    write("C_Down.png", b"c")
    code, output = run("check", manifest, folder)
    expect("a difference fails", code == 1, output)
    for line in ("changed: A_Normal.png", "removed: B_Over.png", "added: C_Down.png",
                 "./kx screenshots --update-manifest"):
        expect(f"the failure says {line!r}", line in output, output)
    expect("a picture as it was is not named", "Kept.png" not in output, output)

    with open(manifest, "a", encoding="utf-8") as out:
        out.write("not a line of the manifest\n")
    code, output = run("check", manifest, folder)
    expect("a line of another form is refused with its number",
           code == 1 and "pictures.sha256:5" in output, output)
    code, output = run("check", os.path.join(root, "missing.sha256"), folder)
    expect("a missing manifest is refused", code == 1 and "--update-manifest" in output, output)

for fault in faults:
    print(fault)
sys.exit(1 if faults else 0)
