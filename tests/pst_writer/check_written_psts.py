#!/usr/bin/env python3
"""Checks the PST files that pst_writer_tests wrote with the independent readers.

Every <name>.pst that has a <name>.expect beside it is opened by pffinfo, pffexport and
readpst, which must succeed; what they list must match the expectation lines
(tab-separated, UTF-8):
  folder      <path below the top folder, "/" between levels>  <container class>  <item count>
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
from datetime import datetime

# readpst names its output file for a folder after the folder's kind.
READPST_SUFFIX = {"IPF.Appointment": ".calendar", "IPF.Contact": ".contacts"}
MONTHS = "Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec".split()

failures = []


def fail(pst, text):
    failures.append(f"{pst}: {text}")


def run(args):
    p = subprocess.run(args, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    return p.returncode, p.stdout.decode("utf-8", "replace")


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
    status, log = run(["readpst", "-D", "-t", "eajc", "-o", readpst_dir, pst])
    if status != 0:
        fail(pst, "readpst failed:\n" + log)
    done = {m.group(1): int(m.group(2)) for m in re.finditer(r'"([^"]*)" - ([0-9]+) items done', log)}

    items = {}  # (folder, subject) -> Appointment.txt text
    for kind, folder, *rest in lines:
        # pffexport writes "$" and "+" in folder names as "_".
        path = os.path.join(top, *folder.replace("$", "_").replace("+", "_").split("/"))
        if kind == "folder":
            cls, count = rest[0], int(rest[1])
            if not os.path.isdir(path):
                fail(pst, f"pffexport lists no folder {folder}")
                continue
            entries = sorted(e for e in os.listdir(path) if re.fullmatch(r"(Appointment|Message)[0-9]{5}", e))
            if len(entries) != count:
                fail(pst, f"pffexport lists {len(entries)} items in {folder}, not {count}")
            name = folder.split("/")[-1]
            # readpst counts a folder's subfolders among its items.
            subfolders = [e for e in os.listdir(path)
                          if os.path.isdir(os.path.join(path, e)) and not re.fullmatch(r"[A-Za-z]+[0-9]{5}", e)]
            if done.get(name, 0) != count + len(subfolders):
                fail(pst, f"readpst did {done.get(name, 0)} items in {folder}, not {count} and {len(subfolders)} subfolders")
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
            for label, value in (("Location", location), ("Start time", pff_time(start)), ("End time", pff_time(end))):
                if not re.search(rf"^{label}:\t+{re.escape(value)}", text, re.M):
                    fail(pst, f"pffexport shows no {label} {value!r} for {subject!r}:\n{text}")
            calendar = ""
            for root, _, files in os.walk(readpst_dir):
                for f in files:
                    calendar += open(os.path.join(root, f), encoding="utf-8", errors="replace").read()
            block = calendar[calendar.find("SUMMARY:" + subject):][:2000]
            stamp = lambda s: datetime.strptime(s, "%Y-%m-%d %H:%M:%S").strftime("%Y%m%dT%H%M%SZ")
            for want in ("SUMMARY:" + subject, "DESCRIPTION:" + body, "LOCATION:" + location,
                         "DTSTART;VALUE=DATE-TIME:" + stamp(start), "DTEND;VALUE=DATE-TIME:" + stamp(end)):
                if want not in block:
                    fail(pst, f"readpst does not show {want!r} for {subject!r}")
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
