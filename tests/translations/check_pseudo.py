#!/usr/bin/env python3
"""Every window and pop-up in a made-up language whose every translated text is marked and 40 %
longer (kx-screenshots --lang pseudo): a text shown without the mark bypassed the catalogues,
and a marked text that does not fit its place would be cut in German or French.

    check_pseudo.py <kx-screenshots> <Tooltip.xml> <MenuInfo.xml>

Texts that are not the programs' words are allowed unmarked: numbers, the function catalogue's
names and the tooltip table's texts (translated by that table, in its own languages), and the
sample data the screenshots make up (macro names, applications, typed filters).
"""
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

MARKED = re.compile('\u27e6.*\u27e7', re.S)
SAMPLE_DATA = {'Build order: barracks, supply, scout', 'Quick reload', 'Rocket jump',
               'gnome-calculator', '/usr/bin/gnome-calculator', 'Image Viewer',
               'Document Viewer', 'view', 'xyz', 'mine.kxsetup', 'Files', 'Games', 'Mouse',
               'Left click', 'Right click', 'Middle click', 'Double click', 'Keys',
               'Copy (Ctrl+C)', 'Paste (Ctrl+V)', 'Calculator', 'Calendar', 'Character Map',
               'Dictionary'}


def table_texts(tooltips, catalogue):
    texts = set()
    for item in ET.parse(tooltips).getroot().iter('Item'):
        for key in ('name', 'text'):
            value = item.get(key, '')
            texts.add(value)
            texts.add(value.rstrip('.'))
    for item in ET.parse(catalogue).getroot().iter('Item'):
        texts.add(item.get('title', ''))
    return texts


def allowed(text, data):
    text = text.strip()
    return (not re.search('[A-Za-z]{2}', text) or text in data or
            any(MARKED.search(part) for part in [text]))


def main():
    screenshots, tooltips, catalogue = sys.argv[1:4]
    data = table_texts(tooltips, catalogue) | SAMPLE_DATA
    failures = []
    with tempfile.TemporaryDirectory() as out:
        run = subprocess.run([screenshots, '--lang', 'pseudo', out], capture_output=True,
                             text=True, timeout=300)
        if run.returncode != 0:
            print(run.stdout, run.stderr)
            return 1
        with open(os.path.join(out, 'words.txt'), encoding='utf-8') as words:
            for line in words:
                kind, where, text = line.rstrip('\n').split('\t', 2)
                if kind == 'cut' and MARKED.search(text):
                    failures.append(f'does not fit its place in a longer language: {where}: {text}')
                elif kind == 'shown' and not allowed(text, data):
                    failures.append(f'not translated: {where}: {text!r}')
        # What assistive technology is told: names and descriptions of every node.
        # role "name" = value (description) {states} [actions]; a value may hold parentheses of
        # its own, so a description is read only where there is no value.
        node = re.compile(r'^\s*\w+(?: "(?P<name>[^"]*)")?(?P<value> = .*?)?'
                          r'(?: \((?P<description>.*)\))?(?: \{[^}]*\})?(?: \[[^]]*\])?$')
        for name in sorted(os.listdir(out)):
            if not name.endswith('.a11y.txt'):
                continue
            with open(os.path.join(out, name), encoding='utf-8') as tree:
                for line in tree:
                    match = node.match(line.rstrip('\n'))
                    if not match:
                        continue
                    said_all = [match.group('name')]
                    if not match.group('value'):
                        said_all.append(match.group('description'))
                    for said in said_all:
                        if said and not allowed(said, data):
                            failures.append(f'not translated (spoken): {name}: {said!r}')
    for failure in sorted(set(failures)):
        print(failure)
    print(f'{len(set(failures))} problem(s)')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
