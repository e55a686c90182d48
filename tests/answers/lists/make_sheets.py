#!/usr/bin/env python3
"""Writes the weapon sheet a clan keeps, as a flat OpenDocument spreadsheet
(.fods), once with English number formats and once with German ones, and has
LibreOffice Calc export it as each kind of text file committed here.
Not run by scripts/test: the committed files are the test data.
Usage: tests/answers/lists/make_sheets.py   (needs libreoffice-calc-nogui)"""
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))

# name, then each cell as (kind, value, style): kind 'n' a number typed as
# a number, 's' a text (a number typed as text, as after a leading '), None empty.
ROWS = [
    ['Rifle', ('n', '0.45', None), ('n', '3', None), ('n', '60', None), ('n', '81', None),
     ('n', '37', None), None],
    ['Shotgun, "pump"', ('s', '1.2', None), ('s', '1', None), ('s', '60', None), ('n', '81', None),
     None, ('s', '120,144', None)],
    ['Flammenwerfer Ä ö ß é 武器', ('n', '2', None), ('n', '1', None), ('n', '144', None),
     ('n', '52', None), ('n', '1', None), ('n', '120', None)],
    None,  # an empty row whose cells carry formats
    ['TwoDecimals', ('n', '0.45', None), ('n', '3', None), ('n', '60', 'two'), ('n', '81', None),
     None, None],
    ['Percent', ('n', '0.45', None), ('n', '3', None), ('n', '60', None), ('n', '81', None),
     ('n', '0.37', 'pct'), None],
    ['Thousands', ('n', '0.45', None), ('n', '3', None), ('n', '60', None), ('n', '1000', 'grp'),
     None, None],
    ['Comma typed', ('s', '0,45', None), ('n', '3', None), ('n', '60', None), ('n', '81', None),
     None, None],
]
HEADER = ['name', 'baseRea', 'firingMode', 'fps', 'rea', 'at', 'compare']


def esc(text):
    return text.replace('&', '&amp;').replace('<', '&lt;').replace('"', '&quot;')


def fods(language, country):
    lang = f'number:language="{language}" number:country="{country}"'
    styles = f'''
  <number:number-style style:name="N0" {lang}><number:number number:min-integer-digits="1"/></number:number-style>
  <number:number-style style:name="Ndec" {lang}><number:number number:decimal-places="2" number:min-decimal-places="0" number:min-integer-digits="1"/></number:number-style>
  <number:number-style style:name="N2" {lang}><number:number number:decimal-places="2" number:min-decimal-places="2" number:min-integer-digits="1"/></number:number-style>
  <number:percentage-style style:name="NP" {lang}><number:number number:decimal-places="0" number:min-integer-digits="1"/><number:text>%</number:text></number:percentage-style>
  <number:number-style style:name="NG" {lang}><number:number number:decimal-places="0" number:min-integer-digits="1" number:grouping="true"/></number:number-style>
  <style:style style:name="plain" style:family="table-cell" style:data-style-name="Ndec"/>
  <style:style style:name="two" style:family="table-cell" style:data-style-name="N2"/>
  <style:style style:name="pct" style:family="table-cell" style:data-style-name="NP"/>
  <style:style style:name="grp" style:family="table-cell" style:data-style-name="NG"/>
  <style:style style:name="fmt" style:family="table-cell" style:data-style-name="N2"/>'''

    def cell(c):
        if c is None:
            return '<table:table-cell/>'
        kind, value, style = c
        if kind == 's':
            return f'<table:table-cell office:value-type="string"><text:p>{esc(value)}</text:p></table:table-cell>'
        if style == 'pct':
            return (f'<table:table-cell table:style-name="pct" office:value-type="percentage" '
                    f'office:value="{value}"><text:p>{value}</text:p></table:table-cell>')
        return (f'<table:table-cell table:style-name="{style or "plain"}" office:value-type="float" '
                f'office:value="{value}"><text:p>{value}</text:p></table:table-cell>')

    rows = ['<table:table-row>' + ''.join(
        f'<table:table-cell office:value-type="string"><text:p>{h}</text:p></table:table-cell>'
        for h in HEADER) + '</table:table-row>']
    for row in ROWS:
        if row is None:
            rows.append('<table:table-row>' + '<table:table-cell table:style-name="fmt"/>' * 7 +
                        '</table:table-row>')
            continue
        name, *cells = row
        rows.append('<table:table-row>' +
                    f'<table:table-cell office:value-type="string"><text:p>{esc(name)}</text:p></table:table-cell>' +
                    ''.join(cell(c) for c in cells) + '</table:table-row>')
    # One more formatted but empty row at the end, as a sheet that was cleared.
    rows.append('<table:table-row>' + '<table:table-cell table:style-name="fmt"/>' * 7 + '</table:table-row>')
    return f'''<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:number="urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0"
 xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"
 office:version="1.3" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
 <office:styles>
  <style:default-style style:family="table-cell"><style:text-properties fo:language="{language}" fo:country="{country}"/></style:default-style>
 </office:styles>
 <office:automatic-styles>{styles}
 </office:automatic-styles>
 <office:body><office:spreadsheet><table:table table:name="Weapons">
  {chr(10).join(rows)}
 </table:table></office:spreadsheet></office:body>
</office:document>
'''


# (file, sheet, filter options or None for LibreOffice's own default)
EXPORTS = [
    ('lo-default.csv', 'en', None),
    ('lo-utf8.csv', 'en', '44,34,76,1,,0,false,true,true'),
    ('lo-german.csv', 'de', '59,34,76,1,,0,false,true,true'),
    ('lo-tabs.txt', 'en', '9,34,76,1,,0,false,true,true'),
    ('lo-unicode.txt', 'en', '9,34,65535,1,,0,false,true,true'),
]


def main():
    with tempfile.TemporaryDirectory() as tmp:
        sheets = {'en': ('en', 'US'), 'de': ('de', 'DE')}
        for key, (language, country) in sheets.items():
            with open(os.path.join(tmp, f'{key}.fods'), 'w', encoding='utf-8') as f:
                f.write(fods(language, country))
        profile = f'-env:UserInstallation=file://{tmp}/profile'
        for name, key, options in EXPORTS:
            out = os.path.join(tmp, 'out')
            target = 'csv' if options is None else f'csv:Text - txt - csv (StarCalc):{options}'
            subprocess.run(['soffice', profile, '--headless', '--convert-to', target, '--outdir', out,
                            os.path.join(tmp, f'{key}.fods')], check=True, stdout=subprocess.DEVNULL)
            os.replace(os.path.join(out, f'{key}.csv'), os.path.join(HERE, name))
            print(name)


if __name__ == '__main__':
    sys.exit(main())
