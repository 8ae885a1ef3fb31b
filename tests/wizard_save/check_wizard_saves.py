#!/usr/bin/env python3
"""Checks the files that wizard_save_program_tests saved through the running program,
with readers independent of ours: pffinfo, pffexport and readpst for PST files (through
tests/pst_writer/check_written_psts.py), xlrd for the workbook, Python's csv for the
CSV file. What each file must hold is worked out from the sample databases themselves.

The test leaves <run>.manifest files in OUTPUT_FOLDER, one line per saved file:
  pst    <file>  <database>              one database into a new PST
  opens  <file>  <database>              a PST whose save was stopped: it must open
  xls    <file>  <database>,<database>   all databases, in list order, into one workbook
  csv    <file>  <database>,<database>   ... into one CSV file
  subjects <file> <subject>,<subject>    a workbook that holds exactly these rows, in order
  expected <file> <database>             a PST checked against the .expect file the test wrote

Usage: check_wizard_saves.py OUTPUT_FOLDER SOURCE_FOLDER"""
import csv
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile

import xlrd

SOURCE = sys.argv[2]
sys.path.insert(0, os.path.join(SOURCE, "tests", "export"))
sys.path.insert(0, os.path.join(SOURCE, "tests", "pst_writer"))
import check_sample_exports as sample  # noqa: E402
import check_written_psts as pstcheck  # noqa: E402

DATABASES = {
    "amueller": "resources/sample-data/mail/amueller.nsf",
    "failures": "resources/sample-data/mail/failures.nsf",
    "bsmith": "resources/sample-data/servers/mail01/mail/bsmith.nsf",
}
# The folders a save takes from a database: calendar folders and these by name.
KEPT = ("$ToDo", "$Journal", "$Follow-Up", "By Diary Date", "By Category", "$All")
PST_NAMES = {"($Inbox)": "Inbox", "($ToDo)": "To Do", "($Meetings)": "Calendar", "($All)": "All",
             "($Journal)": "Journals", "($Follow-Up)": "Follow Up"}
CLASSES = {"($Calendar)": "IPF.Appointment", "($Meetings)": "IPF.Appointment", "($ToDo)": "IPF.Task"}

failures = []


def database(name):
    """(saved folders in order, notes) of a sample database; notes that cannot be
    opened are left out, items that cannot be read are empty."""
    path = os.path.join(SOURCE, DATABASES[name])
    folders, notes = sample.load(path)
    kept, unreadable, broken_items = [], set(), {}
    current_folder = current_note = last_item = None
    for words in sample.records(path):
        kind = words[0]
        if kind == "folder":
            current_folder, current_note = words[1], None
            calendar = len(words) > 2 and words[2] == "calendar"
            if (calendar or any(k in words[1] for k in KEPT) or words[1] == "($Meetings)") and folders.get(words[1]):
                kept.append(words[1])
        elif kind == "note":
            current_note, current_folder, last_item = int(words[1]), None, None
        elif kind == "item":
            last_item = words[1].lower()
        elif kind == "fail":
            if current_folder is not None and words[1] == "open" and current_folder in kept:
                kept.remove(current_folder)
            elif current_note is not None and last_item is None and words[1] in ("open", "lookup"):
                unreadable.add(current_note)
            elif current_note is not None and last_item is not None and words[1] == "read":
                broken_items.setdefault(current_note, set()).add(last_item)
    for n in unreadable:
        notes.pop(n, None)
    for n, items in broken_items.items():
        for item in items:
            if n in notes and item in notes[n]["items"]:
                notes[n]["items"][item] = ("text", [""])
    folders = {f: [i for i in entries if i in notes] for f, entries in folders.items()}
    return kept, folders, notes


def entries(name):
    kept, folders, notes = database(name)
    return [notes[i] for f in kept for i in folders.get(f, []) if sample.is_calendar_entry(notes[i])]


def check_pst(pst, name, item_lines):
    kept, folders, notes = database(name)
    sample.FOLDERS = kept
    sample.PST_NAMES = PST_NAMES
    sample.CLASSES = CLASSES
    lines, _ = sample.pst_expectation(folders, notes)
    if not item_lines:
        lines = [l for l in lines if l.startswith("folder\t")]
    expect = pst[:-4] + ".expect"
    with open(expect, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")
    work = tempfile.mkdtemp(prefix="wizardpst")
    try:
        pstcheck.check(pst, expect, work)
    finally:
        shutil.rmtree(work, ignore_errors=True)


def check_opens(pst):
    for tool in (["pffinfo", pst], ["readpst", "-o", tempfile.mkdtemp(prefix="wizardstop"), pst]):
        p = subprocess.run(tool, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        if p.returncode != 0:
            failures.append(f"{pst}: {tool[0]} cannot open it:\n{p.stdout.decode('utf-8', 'replace')}")


def wanted_rows(names):
    return [[sample.text(n, "Subject"), sample.text(n, "Location")] for name in names for n in entries(name)]


def check_rows(path, rows, names):
    want = wanted_rows(names)
    if rows != want:
        first = next(((i, a, b) for i, (a, b) in enumerate(zip(rows, want)) if a != b), None)
        failures.append(f"{path}: {len(rows)} rows against {len(want)} expected; first difference: {first}")


def main():
    out = sys.argv[1]
    manifests = sorted(glob.glob(os.path.join(glob.escape(out), "*.manifest")))
    if not manifests:
        print(f"no manifests in {out}")
        return 1
    checked = 0
    for manifest in manifests:
        for line in open(manifest, encoding="utf-8").read().splitlines():
            kind, rel, names = line.split("\t")
            path = os.path.join(out, rel)
            names = names.split(",")
            before = len(failures) + len(pstcheck.failures)
            if not os.path.exists(path):
                failures.append(f"{path}: missing")
            elif kind == "pst":
                # The database whose reading fails on purpose: its folders and counts only.
                check_pst(path, names[0], names[0] != "failures")
            elif kind == "expected":
                work = tempfile.mkdtemp(prefix="wizardpst")
                try:
                    pstcheck.check(path, path[:-4] + ".expect", work)
                finally:
                    shutil.rmtree(work, ignore_errors=True)
            elif kind == "opens":
                check_opens(path)
            elif kind == "xls":
                sheet = xlrd.open_workbook(path).sheet_by_name("Calendar")
                cells = [[" ".join(str(sheet.cell_value(r, 0)).split()), str(sheet.cell_value(r, 4))]
                         for r in range(sheet.nrows)]
                if cells[:1] != [["Subject", "Location"]]:
                    failures.append(f"{path}: header row {cells[:1]}")
                check_rows(path, cells[1:], names)
            elif kind == "subjects":
                sheet = xlrd.open_workbook(path).sheet_by_name("Calendar")
                subjects = [str(sheet.cell_value(r, 0)) for r in range(1, sheet.nrows)]
                if subjects != names:
                    failures.append(f"{path}: rows {subjects}, expected {names}")
            elif kind == "csv":
                with open(path, encoding="utf-8-sig", newline="") as f:
                    rows = [[" ".join(r[0].split()), r[4]] for r in csv.reader(f)]
                check_rows(path, rows, names)
            checked += 1
            ok = len(failures) + len(pstcheck.failures) == before
            print(f"{'ok  ' if ok else 'FAIL'} {kind} {rel} ({','.join(names)})")
    for f in failures + pstcheck.failures:
        print("FAILED", f)
    bad = len(failures) + len(pstcheck.failures)
    print(f"{checked} checked, {bad} problems")
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
