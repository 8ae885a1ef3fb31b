#!/usr/bin/env python3
"""Checks a workbook with xlrd, a reader independent of ours.

Usage: xlrd_check.py WORKBOOK.xls EXPECTED.json
EXPECTED.json: [{"name": sheet name, "rows": [[cell text, ...], ...]}, ...]
Cells compare as texts (numbers and dates in the General form, TRUE/FALSE, error
texts); empty cells at the end of a row and empty rows at the end of a sheet
are ignored. Prints the first difference and exits 1 when they differ."""
import json
import sys

import xlrd


def text(cell):
    if cell.ctype in (xlrd.XL_CELL_NUMBER, xlrd.XL_CELL_DATE):
        v = cell.value
        if v == int(v) and abs(v) < 1e15:
            return '%d' % v
        return '%.15g' % v
    if cell.ctype == xlrd.XL_CELL_BOOLEAN:
        return 'TRUE' if cell.value else 'FALSE'
    if cell.ctype == xlrd.XL_CELL_ERROR:
        return xlrd.error_text_from_code.get(cell.value, '#N/A')
    if cell.ctype in (xlrd.XL_CELL_EMPTY, xlrd.XL_CELL_BLANK):
        return ''
    return cell.value


def trimmed(rows):
    rows = [list(r) for r in rows]
    for r in rows:
        while r and r[-1] == '':
            r.pop()
    while rows and not rows[-1]:
        rows.pop()
    return rows


def main():
    book = xlrd.open_workbook(sys.argv[1])
    with open(sys.argv[2], encoding='utf-8') as f:
        expected = json.load(f)
    actual = [{'name': s.name,
               'rows': trimmed([[text(s.cell(r, c)) for c in range(s.ncols)] for r in range(s.nrows)])}
              for s in book.sheets()]
    if [s['name'] for s in actual] != [s['name'] for s in expected]:
        print('sheets differ: %r against %r' % ([s['name'] for s in actual], [s['name'] for s in expected]))
        return 1
    for a, e in zip(actual, expected):
        erows = trimmed(e['rows'])
        if len(a['rows']) != len(erows):
            print('sheet %r: %d rows against %d expected' % (a['name'], len(a['rows']), len(erows)))
            return 1
        for i, (ar, er) in enumerate(zip(a['rows'], erows)):
            if ar != er:
                for c in range(max(len(ar), len(er))):
                    x = ar[c] if c < len(ar) else None
                    y = er[c] if c < len(er) else None
                    if x != y:
                        print('sheet %r row %d column %d: %r against %r expected' %
                              (a['name'], i + 1, c + 1, (x or '')[:80], (y or '')[:80]))
                        return 1
    print('xlrd agrees: %d sheet(s)' % len(actual))
    return 0


if __name__ == '__main__':
    sys.exit(main())
