#!/usr/bin/env python3
"""Checks a release zip: exactly reacalc.exe, reacalc-cli.exe and README.txt
in that order, each dated EPOCH (UTC, to the zip's two seconds), mode 0644,
no extra fields, and README.txt with CRLF line ends only.
Usage: check_release_zip.py RELEASE.zip EPOCH"""
import sys
import time
import zipfile

MEMBERS = ["reacalc.exe", "reacalc-cli.exe", "README.txt"]
failures = []


def check(ok, what):
    print(("ok    " if ok else "FAIL  ") + what)
    if not ok:
        failures.append(what)


def main():
    path, epoch = sys.argv[1], int(sys.argv[2])
    with zipfile.ZipFile(path) as archive:
        members = archive.infolist()
        names = [m.filename for m in members]
        check(names == MEMBERS,
              "the zip holds " + ", ".join(MEMBERS) + ("" if names == MEMBERS else f" (holds {names})"))
        date = time.gmtime(epoch - epoch % 2)[:6]
        check(all(m.date_time == date for m in members),
              "every member is dated the commit, " + time.strftime("%Y-%m-%d %H:%M:%S UTC", date + (0, 0, 0)))
        check(all(m.external_attr >> 16 == 0o100644 for m in members), "every member's mode is 0644")
        check(all(not m.extra for m in members), "no member has extra fields")
        if "README.txt" in names:
            text = archive.read("README.txt")
            check(text.count(b"\n") > 0 and text.count(b"\n") == text.count(b"\r\n")
                  and text.count(b"\r") == text.count(b"\r\n"), "README.txt has CRLF line ends")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
