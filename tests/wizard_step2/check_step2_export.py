#!/usr/bin/env python3
"""Reads back what step 2's Export saved (wizard_step2_wizard_tests) with independent
readers, against what the sample database itself says (read without our reader):
- step2.csv, read by Python's csv, must hold every calendar entry of the ticked
  folders, once, in folder order;
- step2.pst, read by pffinfo, pffexport and readpst (check_written_psts.py of
  tests/pst_writer), must hold the two folders left ticked with their entries, and
  none of the folders that were unticked.

Usage: check_step2_export.py DATABASE OUTPUT_FOLDER"""
import csv
import os
import shutil
import sys
import tempfile

sys.dont_write_bytecode = True  # no caches in the source tree
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "export"))
sys.path.insert(0, os.path.join(HERE, "..", "pst_writer"))
import check_sample_exports as sample  # noqa: E402
import check_written_psts as pst_readers  # noqa: E402

CSV_TICKED = ["($Calendar)", "($ToDo)", "($Journal)", "Reisen\\Zürich"]
PST_TICKED = ["($Meetings)", "Projects\\2026"]
# Unticked folders as the PST would name them.
PST_UNTICKED = ["($Calendar)", "To Do", "Journals", "All", "Reisen", "Projects/2026/Orbalin"]


def check_csv(folders, notes, out):
    entries = [notes[i] for f in CSV_TICKED for i in folders.get(f, []) if sample.is_calendar_entry(notes[i])]
    want = [[sample.text(n, "Subject"), sample.text(n, "Location")] for n in entries]
    with open(os.path.join(out, "step2.csv"), encoding="utf-8-sig", newline="") as f:
        rows = [[" ".join(r[0].split()), r[4]] for r in csv.reader(f)]
    if rows != want:
        print(f"step2.csv: {len(rows)} rows against {len(want)}; first difference:",
              next(((a, b) for a, b in zip(rows, want) if a != b), None))
        return False
    print(f"step2.csv: the {len(want)} calendar entries of {len(CSV_TICKED)} ticked folders")
    return True


def check_pst(folders, notes, out):
    # The sample expectation, for the folders ticked here; ($Meetings) is the
    # writer's "Calendar", an appointment folder.
    sample.FOLDERS = PST_TICKED
    sample.PST_NAMES = {**sample.PST_NAMES, "($Meetings)": "Calendar"}
    sample.CLASSES = {**sample.CLASSES, "($Meetings)": "IPF.Appointment"}
    lines, entries = sample.pst_expectation(folders, notes)
    pst, expect = os.path.join(out, "step2.pst"), os.path.join(out, "step2.expect")
    with open(expect, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")
    if not os.path.isfile(pst):
        print("step2.pst: no file")
        return False
    work = tempfile.mkdtemp(prefix="step2pst")
    try:
        pst_readers.check(pst, expect, work)
        top = os.path.join(work, "export.export", "Top of Personal Folders")
        for folder in PST_UNTICKED:
            if os.path.exists(pst_readers.pffexport_path(top, folder)):
                pst_readers.fail(pst, f"pffexport lists the unticked folder {folder}")
    finally:
        shutil.rmtree(work, ignore_errors=True)
    for failure in pst_readers.failures:
        print("FAILED", failure)
    if pst_readers.failures:
        return False
    print(f"step2.pst: {len(entries)} calendar entries of {len(PST_TICKED)} ticked folders, "
          f"{len(lines)} expectation lines, no unticked folder")
    return True


def main():
    database, out = sys.argv[1], sys.argv[2]
    folders, notes = sample.load(database)
    csv_ok = check_csv(folders, notes, out)
    pst_ok = check_pst(folders, notes, out)
    return 0 if csv_ok and pst_ok else 1


if __name__ == "__main__":
    sys.exit(main())
