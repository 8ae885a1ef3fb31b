#!/usr/bin/python3
"""Reads every file the spreadsheet tests wrote with a reader independent of
ours: workbooks with xlrd (through tests/xls/xlrd_check.py), CSV files with
Python's csv module. Each file has an <file>.expect.json beside it.

Usage: check_readers.py OUTPUT_FOLDER XLRD_CHECK_SCRIPT"""
import csv
import glob
import json
import os
import subprocess
import sys


def check_csv(path, expected):
    with open(path, encoding='utf-8-sig', newline='') as f:
        rows = list(csv.reader(f))
    if rows != expected:
        for i, (a, e) in enumerate(zip(rows, expected)):
            if a != e:
                print('%s row %d: %r against %r expected' % (path, i + 1, [x[:60] for x in a], [x[:60] for x in e]))
                return False
        print('%s: %d rows against %d expected' % (path, len(rows), len(expected)))
        return False
    return True


def main():
    folder, xlrd_check = sys.argv[1], sys.argv[2]
    expectations = sorted(glob.glob(os.path.join(glob.escape(folder), '*.expect.json')))
    if not expectations:
        print('no files to check in %s' % folder)
        return 1
    failed = 0
    for expectation in expectations:
        path = expectation[:-len('.expect.json')]
        if path.lower().endswith('.xls'):
            ok = subprocess.run([sys.executable, xlrd_check, path, expectation]).returncode == 0
        else:
            with open(expectation, encoding='utf-8') as f:
                ok = check_csv(path, json.load(f))
        print('%s %s' % ('ok  ' if ok else 'FAIL', os.path.basename(path)))
        failed += not ok
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main())
