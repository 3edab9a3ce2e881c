#!/usr/bin/env python3
"""Each language's help page is the English one translated: the same anchors and links (the
window and the page's own table of contents point at them), its language declared, and no
text left from the English page's paragraphs.

    check_help_pages.py <folder of Information_<language>.html>
"""
import os
import re
import sys


def anchors(page):
    return (sorted(re.findall(r'\bid="([^"]+)"', page)),
            sorted(re.findall(r'\bhref="([^"]+)"', page)))


def paragraphs(page):
    return {p.strip() for p in re.findall(r'<p>(.*?)</p>', page, re.S) if len(p.strip()) > 40}


def main():
    folder = sys.argv[1]
    with open(os.path.join(folder, 'Information_en.html'), encoding='utf-8') as f:
        english = f.read()
    failures = []
    pages = sorted(n for n in os.listdir(folder) if re.fullmatch(r'Information_\w+\.html', n))
    for name in pages:
        language = name[len('Information_'):-len('.html')]
        if language == 'en':
            continue
        with open(os.path.join(folder, name), encoding='utf-8') as f:
            page = f.read()
        if anchors(page) != anchors(english):
            failures.append(f'{name}: its anchors or links are not the English page\'s')
        declared = re.search(r'<html[^>]*\blang="([^"]+)"', page)
        if not declared or declared.group(1).replace('-', '_') != language:
            failures.append(f'{name}: declares lang="{declared.group(1) if declared else ""}"')
        for paragraph in paragraphs(english) & paragraphs(page):
            failures.append(f'{name}: an English paragraph: {paragraph[:60]!r}')
    for failure in failures:
        print(failure)
    print(f'{len(pages) - 1} translated page(s), {len(failures)} problem(s)')
    return 1 if failures or len(pages) < 2 else 0


if __name__ == '__main__':
    sys.exit(main())
