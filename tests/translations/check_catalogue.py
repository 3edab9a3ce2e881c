#!/usr/bin/env python3
"""A catalogue is finished: every message translated (no "unfinished", no obsolete or vanished
entries) and each translation holding the placeholders of its source (%1, %2, %n).

    check_catalogue.py translations/kestrix_de.ts
"""
import re
import sys
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r'%(?:\d+|n)')


def problems(path):
    root = ET.parse(path).getroot()
    for context in root.iter('context'):
        name = context.findtext('name')
        for message in context.iter('message'):
            source = message.findtext('source') or ''
            where = f'{name}: {source[:70]!r}'
            translation = message.find('translation')
            kind = translation.get('type')
            if kind in ('obsolete', 'vanished'):
                yield f'{kind} (run kx-lupdate): {where}'
                continue
            if message.get('numerus') == 'yes':
                forms = [f.text or '' for f in translation.findall('numerusform')]
            else:
                forms = [translation.text or '']
            if kind == 'unfinished' or not forms or not all(f.strip() for f in forms):
                yield f'not translated: {where}'
                continue
            wanted = sorted(set(PLACEHOLDER.findall(source)))
            for form in forms:
                found = sorted(set(PLACEHOLDER.findall(form)))
                if found != wanted:
                    yield f'placeholders {found}, the source has {wanted}: {where}'


def main():
    found = list(problems(sys.argv[1]))
    for line in found:
        print(line)
    print(f'{sys.argv[1]}: {len(found)} problem(s)')
    return 1 if found else 0


if __name__ == '__main__':
    sys.exit(main())
