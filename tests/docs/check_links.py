#!/usr/bin/env python3
"""Checks the relative links of README.md and docs/*.md.

Every [text](target) and ![alt](target) that is not http(s): or mailto: must
name an existing file, and a #anchor (in the same page or another .md) must be
one of that page's headings as GitHub anchors them. Code blocks and code
spans are not links. Prints each broken link as file:line and exits 1, or
prints "N links checked, 0 broken".

Usage: check_links.py [ROOT]   (ROOT: the checkout, by default this file's)
"""
import re
import sys
from pathlib import Path
from urllib.parse import unquote

LINK = re.compile(r'!?\[[^\]]*\]\(\s*<?([^)\s>]+)>?(?:\s+"[^"]*")?\s*\)')
FENCE = re.compile(r'^\s*(```|~~~)')
CODE_SPAN = re.compile(r'(`+).*?\1')
HEADING = re.compile(r'^ {0,3}#{1,6}\s+(.*?)\s*#*\s*$')
EXTERNAL = re.compile(r'^(https?:|mailto:)', re.IGNORECASE)


def prose_lines(path):
    """(line number, text) of each line outside fenced code blocks."""
    fence = None
    for number, line in enumerate(path.read_text(encoding='utf-8').splitlines(), 1):
        match = FENCE.match(line)
        if fence is None and match:
            fence = match.group(1)
        elif fence is not None:
            if line.strip().startswith(fence):
                fence = None
        else:
            yield number, line


def slug(heading):
    """GitHub's anchor of a heading's text."""
    text = re.sub(r'!?\[([^\]]*)\]\([^)]*\)', r'\1', heading)  # a link: its text
    text = text.replace('`', '').replace('*', '').lower()
    text = re.sub(r'[^\w\- ]', '', text)  # \w keeps letters, digits and '_'
    return text.replace(' ', '-')


def anchors(path):
    """Every heading's anchor; a repeated one gets -1, -2, ..."""
    seen = {}
    found = set()
    for _, line in prose_lines(path):
        match = HEADING.match(line)
        if not match:
            continue
        base = slug(match.group(1))
        count = seen.get(base, 0)
        seen[base] = count + 1
        found.add(base if count == 0 else f'{base}-{count}')
    return found


def broken_links(page):
    """(line number, target, reason) of each broken link, and the links' count."""
    broken = []
    count = 0
    for number, line in prose_lines(page):
        for target in LINK.findall(CODE_SPAN.sub('', line)):
            if EXTERNAL.match(target):
                continue
            count += 1
            path, _, anchor = target.partition('#')
            file = (page.parent / unquote(path)).resolve() if path else page
            if not file.exists():
                broken.append((number, target, 'no such file'))
            elif anchor and file.suffix == '.md' and unquote(anchor) not in anchors(file):
                broken.append((number, target, 'no such heading'))
    return broken, count


def main():
    root = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parents[2])
    pages = [root / 'README.md', *sorted((root / 'docs').glob('*.md'))]
    total = failures = 0
    for page in pages:
        broken, count = broken_links(page)
        total += count
        failures += len(broken)
        for number, target, reason in broken:
            print(f'{page.relative_to(root)}:{number}: {target}: {reason}')
    print(f'{total} links checked, {failures} broken')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
