#!/usr/bin/env python3
"""Writes the workbooks of another program (xlwt, Debian python3-xlwt) that
the reader tests open: data/foreign-small.xls, data/foreign-large.xls and
data/foreign-dates.xls."""
import datetime
import os
import sys
import xlwt

here = os.path.dirname(os.path.abspath(__file__))


def small():
    book = xlwt.Workbook(encoding='utf-8')
    sheet = book.add_sheet('Calendar')
    for col, name in enumerate(['Subject', 'Count', 'Done', 'Ratio']):
        sheet.write(0, col, name)
    sheet.write(1, 0, 'Réunion «été»')
    sheet.write(1, 1, 42)
    sheet.write(1, 2, True)
    sheet.write(1, 3, 0.125)
    sheet.write(2, 0, 'Zweite Zeile')
    sheet.write(2, 1, -7)
    sheet.write(2, 2, False)
    sheet.write(2, 3, 1234567.5)
    other = book.add_sheet('Notes')
    other.write(0, 0, 'Only')
    other.write(3, 2, 'far away')
    book.save(os.path.join(here, 'data', 'foreign-small.xls'))


def large():
    book = xlwt.Workbook(encoding='utf-8')
    sheet = book.add_sheet('Big')
    sheet.write(0, 0, 'Key')
    sheet.write(0, 1, 'Text')
    sheet.write(0, 2, 'Formula')
    for row in range(1, 400):
        sheet.write(row, 0, row * 3)
        sheet.write(row, 1, 'Zeile %d: %s' % (row, 'Grüße Ωμέγα 東京 ' * (row % 7 + 1)))
    sheet.write(1, 2, xlwt.Formula('A2*2'))
    sheet.write(2, 3, 'x' * 9000 + 'Ende')
    sheet.write(3, 3, 'ü' * 5000 + '東' * 5000)
    book.save(os.path.join(here, 'data', 'foreign-large.xls'))


def dates():
    book = xlwt.Workbook(encoding='utf-8')
    sheet = book.add_sheet('Calendar')
    sheet.write(0, 0, 'Subject')
    sheet.write(0, 1, 'Start Date')
    sheet.write(1, 0, 'Review')
    sheet.write(1, 1, datetime.date(2026, 12, 10), xlwt.easyxf(num_format_str='YYYY-MM-DD'))
    book.save(os.path.join(here, 'data', 'foreign-dates.xls'))


if __name__ == '__main__':
    small()
    large()
    dates()
    sys.exit(0)
