#!/usr/bin/env python3
"""Works out from the sample mail database itself what export_tests' sample files must
hold, without our reader: every calendar entry (a document with a Location item and no
MiddleInitial item) of each chosen folder, once, in folder order.

Writes <name>.expect beside each sample PST for check_written_psts.py (tests/pst_writer)
and checks the sample CSV file (Python's csv) and workbook (xlrd) directly.

Usage: check_sample_exports.py DATABASE OUTPUT_FOLDER   (TZ: the zone of the export run)"""
import base64
import csv
import os
import re
import sys
from datetime import datetime, timezone
from zoneinfo import ZoneInfo

import xlrd

FOLDERS = ["($Calendar)", "Projects\\2026", "Projects\\2026\\Orbalin", "Projects\\Empty", "Reisen\\Zürich",
           "($ToDo)", "($Inbox)"]
CLASSES = {"($Calendar)": "IPF.Appointment", "($ToDo)": "IPF.Task"}
PST_NAMES = {"($Inbox)": "Inbox", "($ToDo)": "To Do"}  # the writer's names for these system folders
ZONE = ZoneInfo(os.environ.get("TZ") or "UTC")  # the zone export_tests ran under
TOKEN = re.compile(r'"((?:[^"\\]|\\.)*)"|(\S+)')
ESCAPES = {"n": "\n", "t": "\t", "r": "\r"}


def unquote(text):
    return re.sub(r"\\(.)", lambda m: ESCAPES.get(m.group(1), m.group(1)), text)


def records(path):
    """(words) of each record; a block (<<END ... END) is the record's last word."""
    lines = open(path, encoding="utf-8").read().split("\n")
    i = 0
    while i < len(lines):
        line = lines[i]
        i += 1
        words = [unquote(q) if q or b is None else b for q, b in ((m.group(1), m.group(2)) for m in TOKEN.finditer(line))]
        if words and words[-1].startswith("<<"):
            end, block = words[-1][2:], []
            while lines[i] != end:
                block.append(lines[i])
                i += 1
            i += 1
            words[-1] = "\n".join(block)
        if words:
            yield words


def load(path):
    folders, notes, folder, note = {}, {}, None, None
    for words in records(path):
        kind = words[0]
        if kind == "folder":
            folder = folders.setdefault(words[1], [])
        elif kind == "entries":
            folder.extend(int(w) for w in words[1:])
        elif kind == "note":
            note = notes.setdefault(int(words[1]), {"items": {}, "attachments": []})
        elif kind == "item" and note is not None:
            note["items"].setdefault(words[1].lower(), (words[2], words[3:]))
        elif kind == "attachment" and note is not None:
            name, encoding, content = words[1], words[2], words[3]
            data = {"text": lambda c: c.encode("utf-8"),
                    "hex": lambda c: bytes.fromhex("".join(c.split())),
                    "base64": lambda c: base64.b64decode("".join(c.split()) + "==")}[encoding](content)
            note["attachments"].append((name, data))
    return folders, notes


def is_calendar_entry(note):
    return "location" in note["items"] and "middleinitial" not in note["items"]


def text(note, name):
    item = note["items"].get(name.lower())
    return " ".join(";".join(item[1]).split()) if item and item[0] in ("text", "textlist") else ""


def when(note, name):
    item = note["items"].get(name.lower())
    if not item or item[0] not in ("datetime", "datetimelist"):
        return None
    m = re.fullmatch(r"(\d{4}-\d\d-\d\d)(?:T(\d\d:\d\d)(:\d\d)?(?:\.\d+)?)?(?:Z|[+-]\d\d:\d\d)?", item[1][0])
    if not m:
        return None
    # The writer takes the entry's wall time as local time and stores UTC.
    local = datetime.strptime(f"{m.group(1)} {m.group(2) or '00:00'}{m.group(3) or ':00'}", "%Y-%m-%d %H:%M:%S")
    return local.replace(tzinfo=ZONE).astimezone(timezone.utc).strftime("%Y-%m-%d %H:%M:%S")


def pst_expectation(folders, notes):
    chosen = [(f, [notes[i] for i in folders.get(f, []) if is_calendar_entry(notes[i])]) for f in FOLDERS]
    subjects = [text(n, "Subject") for n in notes.values() if is_calendar_entry(n)]
    lines = []
    for folder, entries in chosen:
        path = "/".join(PST_NAMES.get(level, level) for level in folder.split("\\"))
        lines.append(f"folder\t{path}\t{CLASSES.get(folder, 'IPF.Note')}\t{len(entries)}")
        for n in entries:
            subject, location = text(n, "Subject"), text(n, "Location")
            start, end = when(n, "STARTDATETIME"), when(n, "EndDateTime")
            plain = lambda s: s and not re.search(r"[,;\\\t]", s)
            unique = subjects.count(subject) == 1 and not any(o != subject and o.startswith(subject) for o in subjects)
            if not (unique and plain(subject) and (plain(location) or location == "") and start and end):
                continue
            lines.append(f"item\t{path}\t{subject}\t{location}\t{start}\t{end}\t")
            sender = re.fullmatch(r"CN=([^/]*)/O=([^/]*)", text(n, "From"))
            if sender:
                lines.append(f"sender\t{path}\t{subject}\t{sender.group(1)}\t{sender.group(1)}/{sender.group(2)}")
            for to in n["items"].get("sendto", ("", []))[1]:
                m = re.fullmatch(r"[^<>]* (<[^<>]+>)", to)
                if m:
                    lines.append(f"recipient\t{path}\t{subject}\t{m.group(1)}")
            names = [a[0] for a in n["attachments"]]
            for name, data in n["attachments"]:
                if names.count(name) == 1 and re.fullmatch(r"[\w. -]+", name):
                    lines.append(f"attachment\t{path}\t{subject}\t{name}\t{data.hex()}")
    return lines, [n for _, entries in chosen for n in entries]


def main():
    database, out = sys.argv[1], sys.argv[2]
    folders, notes = load(database)
    lines, entries = pst_expectation(folders, notes)
    for name in ("sample-new", "sample-existing"):
        with open(os.path.join(out, name + ".expect"), "w", encoding="utf-8") as f:
            f.write("\n".join(lines) + "\n")
    want = [[text(n, "Subject"), text(n, "Location")] for n in entries]
    failed = 0
    with open(os.path.join(out, "sample.csv"), encoding="utf-8-sig", newline="") as f:
        rows = [[" ".join(r[0].split()), r[4]] for r in csv.reader(f)]
    if rows != want:
        print(f"sample.csv: {len(rows)} rows against {len(want)}; first difference:",
              next(((a, b) for a, b in zip(rows, want) if a != b), None))
        failed += 1
    sheet = xlrd.open_workbook(os.path.join(out, "sample.xls")).sheet_by_name("Calendar")
    cells = [[" ".join(str(sheet.cell_value(r, 0)).split()), str(sheet.cell_value(r, 4))] for r in range(sheet.nrows)]
    if cells != [["Subject", "Location"]] + want:
        print(f"sample.xls: {len(cells)} rows against {len(want) + 1}; first difference:",
              next(((a, b) for a, b in zip(cells[1:], want) if a != b), None))
        failed += 1
    print(f"{len(entries)} calendar entries expected in each file; {len(lines)} PST expectation lines written")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
