#!/usr/bin/env python3
"""Checks the PST files that pst_writer_tests wrote with the independent readers.

Every <name>.pst that has a <name>.expect beside it is opened by pffinfo, pffexport and
readpst, which must succeed; what they list must match the expectation lines
(tab-separated, UTF-8):
  folder      <path below the top folder, "/" between levels>  <container class>  <item count, "N+": at least N>
  item        <folder>  <subject>  <location>  <start YYYY-MM-DD HH:MM:SS>  <end>  <first body line>
  attachment  <folder>  <item subject>  <file name, or pffexport's "<n>_<name>">  <bytes as hex>
  recipient   <folder>  <item subject>  <address as the To recipient shows it>
  sender      <folder>  <item subject>  <sender name>  <sender address>
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
from collections import defaultdict
from datetime import datetime

# readpst names its output file for a folder after the folder's kind.
READPST_SUFFIX = {"IPF.Appointment": ".calendar", "IPF.Contact": ".contacts"}
MONTHS = "Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec".split()
# readpst's line for each folder it went into (one with items or subfolders), printed after
# the lines of its subfolders. It counts the subfolders among the items and names the
# folder only, not its path.
READPST_DONE = re.compile(r'^[ \t]*"(.*)" - ([0-9]+) items done, ([0-9]+) items skipped\.$', re.M)
# pffexport's folder for each item, named after the item's kind.
PFFEXPORT_ITEM = re.compile(r"(Activity|Appointment|Contact|DistributionList|Document|Meeting|Message|Note|RSSFeed|Task)[0-9]{5}")

failures = []


def fail(pst, text):
    failures.append(f"{pst}: {text}")


def run(args):
    p = subprocess.run(args, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    return p.returncode, p.stdout.decode("utf-8", "replace")


def pffexport_path(top, folder):
    """Where pffexport writes a folder: it writes these characters of folder names as "_"."""
    return os.path.join(top, *(re.sub(r'[\x00-\x1f!$%&*+/:;<>?@\\|~\x7f]', "_", level) for level in folder.split("/")))


def ical_text(text):
    """Text as readpst writes it in a calendar line."""
    return text.replace("\\", "\\\\").replace(";", "\\;").replace(",", "\\,").replace("\r\n", "\n").replace("\n", "\\n")


def readpst_events(readpst_dir):
    """The lines of each event in the files readpst wrote."""
    events = []
    for root, _, files in os.walk(readpst_dir):
        for f in files:
            text = open(os.path.join(root, f), encoding="utf-8", errors="replace").read()
            events += [e.splitlines() for e in re.findall(r"^BEGIN:VEVENT$(.*?)^END:VEVENT$", text, re.M | re.S)]
    return events


def pff_time(text):
    t = datetime.strptime(text, "%Y-%m-%d %H:%M:%S")
    return f"{MONTHS[t.month - 1]} {t.day:02d}, {t.year} {t:%H:%M:%S}"


def check(pst, expect_path, work):
    lines = [l.rstrip("\n").split("\t") for l in open(expect_path, encoding="utf-8") if l.strip()]
    status, out = run(["pffinfo", pst])
    if status != 0:
        fail(pst, "pffinfo failed:\n" + out)

    target = os.path.join(work, "export")
    status, export_log = run(["pffexport", "-q", "-t", target, pst])
    if status != 0:
        fail(pst, "pffexport failed:\n" + export_log)
    top = os.path.join(target + ".export", "Top of Personal Folders")

    readpst_dir = os.path.join(work, "readpst")
    os.makedirs(readpst_dir)
    # -j 0: one process. readpst otherwise forks a process per folder, and each one's
    # reopening of the file moves the file position its parent is reading at: the parent
    # then now and then reads a wrong block and skips an item.
    status, log = run(["readpst", "-j", "0", "-D", "-t", "eajc", "-o", readpst_dir, pst])
    if status != 0:
        fail(pst, "readpst failed:\n" + log)
    done = defaultdict(list)  # folder name -> (items done, items skipped) of each folder of that name
    for m in READPST_DONE.finditer(log):
        done[m.group(1)].append((int(m.group(2)), int(m.group(3))))

    events = readpst_events(readpst_dir)
    items = {}  # (folder, subject) -> Appointment.txt text
    for kind, folder, *rest in lines:
        path = pffexport_path(top, folder)
        if kind == "folder":
            cls, at_least, count = rest[0], rest[1].endswith("+"), int(rest[1].rstrip("+"))
            if not os.path.isdir(path):
                fail(pst, f"pffexport lists no folder {folder}")
                continue
            entries = sorted(e for e in os.listdir(path) if PFFEXPORT_ITEM.fullmatch(e))
            if len(entries) != count and not (at_least and len(entries) > count):
                fail(pst, f"pffexport lists {len(entries)} items in {folder}, not {rest[1]}")
            name = folder.split("/")[-1]
            # readpst counts a folder's subfolders among its items.
            subfolders = [e for e in os.listdir(path) if os.path.isdir(os.path.join(path, e)) and e not in entries]
            # A folder with neither items nor subfolders gets no line; folders of one name
            # take the lines of that name in any order.
            lines_of_name = done[name]
            match = next((d for d in lines_of_name if d[0] == len(entries) + len(subfolders)), None)
            if match:
                lines_of_name.remove(match)
            elif len(entries) + len(subfolders):
                did = " or ".join(f"{d} items (skipped {s})" for d, s in lines_of_name) or "0 items"
                fail(pst, f"readpst did {did} in {folder}, not {len(entries)} and {len(subfolders)} subfolders")
            if count and cls in READPST_SUFFIX:
                out_file = os.path.join(readpst_dir, *folder.split("/")[:-1], name + READPST_SUFFIX[cls])
                if not os.path.isfile(out_file):
                    fail(pst, f"readpst did not treat {folder} as {cls} (no {out_file})")
            for e in entries:
                for f in os.listdir(os.path.join(path, e)):
                    if f.endswith(".txt") and f != "Recipients.txt":
                        text = open(os.path.join(path, e, f), encoding="utf-8", errors="replace").read()
                        m = re.search(r"^Subject:\t+(.*)$", text, re.M)
                        items[(folder, m.group(1) if m else "")] = (text, os.path.join(path, e))
        elif kind == "item":
            subject, location, start, end, body = rest
            found = items.get((folder, subject))
            if not found:
                fail(pst, f"pffexport lists no item {subject!r} in {folder}")
                continue
            text = found[0]
            # pffexport follows a time's seconds with their fraction.
            for label, value, pattern in (("Location", location, re.escape(location) + "$"),
                                          ("Start time", pff_time(start), re.escape(pff_time(start)) + r"\b"),
                                          ("End time", pff_time(end), re.escape(pff_time(end)) + r"\b")):
                if not re.search(rf"^{label}:\t+{pattern}", text, re.M):
                    fail(pst, f"pffexport shows no {label} {value!r} for {subject!r}:\n{text}")
            event = next((e for e in events if "SUMMARY:" + ical_text(subject) in e), None)
            if not event:
                fail(pst, f"readpst shows no event {subject!r}")
                continue
            stamp = lambda s: datetime.strptime(s, "%Y-%m-%d %H:%M:%S").strftime("%Y%m%dT%H%M%SZ")
            for want in ("DTSTART;VALUE=DATE-TIME:" + stamp(start), "DTEND;VALUE=DATE-TIME:" + stamp(end)):
                if want not in event:
                    fail(pst, f"readpst does not show {want!r} for {subject!r}")
            # readpst leaves out the line of a location it has none of.
            shown = next((l[len("LOCATION:"):] for l in event if l.startswith("LOCATION:")), "")
            if shown != ical_text(location):
                fail(pst, f"readpst shows the location {shown!r}, not {location!r}, for {subject!r}")
            # The expectation holds the body's first line.
            if body and not any(l.startswith("DESCRIPTION:" + ical_text(body)) for l in event):
                fail(pst, f"readpst does not show the body {body!r} for {subject!r}")
        elif kind == "recipient":
            subject, address = rest
            found = items.get((folder, subject))
            listed = os.path.join(found[1], "Recipients.txt") if found else ""
            text = open(listed, encoding="utf-8", errors="replace").read() if listed and os.path.isfile(listed) else ""
            if not re.search(rf"^Email address:\t+{re.escape(address)}$", text, re.M):
                fail(pst, f"pffexport lists no recipient {address!r} of {subject!r}")
        elif kind == "sender":
            subject, name, address = rest
            found = items.get((folder, subject))
            text = found[0] if found else ""
            for label, value in (("Sender name", name), ("Sender email address", address)):
                if not re.search(rf"^{label}:\t+{re.escape(value)}$", text, re.M):
                    fail(pst, f"pffexport shows no {label} {value!r} for {subject!r}")
        elif kind == "attachment":
            subject, name, data = rest
            found = items.get((folder, subject))
            files = os.path.join(found[1], "Attachments") if found else ""
            matches = [f for f in (os.listdir(files) if files and os.path.isdir(files) else []) if f == name or f.endswith("_" + name)]
            if not matches and len(os.fsencode(name)) > 250:
                # No file system here takes a name that long: pffexport names it in its
                # complaint instead, and the bytes cannot be compared.
                if not re.search(r"/Attachments/[0-9]+_" + re.escape(name) + " with error: File name too long", export_log):
                    fail(pst, f"pffexport does not name attachment {name[:40]}... of {subject!r}")
            elif not matches:
                fail(pst, f"pffexport lists no attachment {name} of {subject!r}")
            elif open(os.path.join(files, matches[0]), "rb").read() != bytes.fromhex(data):
                fail(pst, f"attachment {name} of {subject!r} differs")


def main():
    root = sys.argv[1]
    checked = 0
    for folder, _, files in os.walk(root):
        for f in sorted(files):
            if f.endswith(".expect"):
                stem = f[:-len(".expect")]
                pst = next((os.path.join(folder, c) for c in files if c.lower() == stem.lower() + ".pst"), None)
                if not pst:
                    fail(os.path.join(folder, f), "no PST beside the expectation")
                    continue
                work = tempfile.mkdtemp(prefix="pstcheck")
                try:
                    check(pst, os.path.join(folder, f), work)
                finally:
                    shutil.rmtree(work, ignore_errors=True)
                checked += 1
    for f in failures:
        print("FAILED", f)
    print(f"{checked - len({f.split(': ')[0] for f in failures})} passed, {len({f.split(': ')[0] for f in failures})} failed")
    return 1 if failures or checked == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
