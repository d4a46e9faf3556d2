#!/usr/bin/env python3
"""Fills resources/translations/Tessarin_<code>.ts from the tables in fill_translations_table*.py.

Run scripts/update-translations.sh first so every source text is in the catalogues; texts missing
from the tables are listed and stay unfinished (the translation test then fails)."""
import os
import re
import sys
import xml.etree.ElementTree as ET

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from fill_translations_table2 import T, EN  # noqa: E402

ORDER = ['ja', 'zh_CN', 'zh_TW', 'ko', 'fr', 'de', 'es', 'it', 'pt', 'nl', 'tr']
ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'resources', 'translations')


def placeholders(text):
    return sorted(re.findall(r'%\d', text)), text.count('\n')


def main():
    bad = [s for s, row in T.items() for x in row if placeholders(x) != placeholders(s)]
    if bad:
        sys.exit('placeholder mismatch: %r' % bad[:5])
    missing = set()
    for code in ORDER + ['en']:
        path = os.path.join(ROOT, 'Tessarin_%s.ts' % code)
        tree = ET.parse(path)
        for message in tree.getroot().iter('message'):
            source = message.find('source').text or ''
            tr = message.find('translation')
            if tr.get('type') in ('vanished', 'obsolete'):
                continue
            if code == 'en':
                text = EN.get(source, source)
            elif source in T:
                text = T[source][ORDER.index(code)]
            else:
                missing.add(source)
                continue
            tr.text = text
            tr.attrib.pop('type', None)
        body = ET.tostring(tree.getroot(), encoding='unicode')
        with open(path, 'w', encoding='utf-8') as f:
            f.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + body + '\n')
    for m in sorted(missing):
        print('no translation for: %r' % m)
    return 1 if missing else 0


if __name__ == '__main__':
    sys.exit(main())
