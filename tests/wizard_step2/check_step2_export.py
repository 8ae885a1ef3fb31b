#!/usr/bin/env python3
"""Reads back what step 2's Export saved (wizard_step2_wizard_tests) with an
independent reader: step2.csv, read by Python's csv, must hold every calendar entry
of the ticked folders, once, in folder order, as the sample database itself says
(read without our reader).

Usage: check_step2_export.py DATABASE OUTPUT_FOLDER"""
import csv
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "export"))
import check_sample_exports as sample  # noqa: E402

TICKED = ["($Calendar)", "($ToDo)", "($Journal)", "Reisen\\Zürich"]


def main():
    database, out = sys.argv[1], sys.argv[2]
    folders, notes = sample.load(database)
    entries = [notes[i] for f in TICKED for i in folders.get(f, []) if sample.is_calendar_entry(notes[i])]
    want = [[sample.text(n, "Subject"), sample.text(n, "Location")] for n in entries]
    with open(os.path.join(out, "step2.csv"), encoding="utf-8-sig", newline="") as f:
        rows = [[" ".join(r[0].split()), r[4]] for r in csv.reader(f)]
    if rows != want:
        print(f"step2.csv: {len(rows)} rows against {len(want)}; first difference:",
              next(((a, b) for a, b in zip(rows, want) if a != b), None))
        return 1
    print(f"step2.csv: the {len(want)} calendar entries of {len(TICKED)} ticked folders")
    return 0


if __name__ == "__main__":
    sys.exit(main())
