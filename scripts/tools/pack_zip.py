#!/usr/bin/env python3
"""Writes a zip whose bytes depend on the files' contents and names alone.

Every member gets the same date (EPOCH, seconds since 1970, taken as UTC),
mode 0644 and the order of the command line; no extra fields. Neither the
files' own dates, the time zone nor the umask reach the archive.

Usage: pack_zip.py OUTPUT.zip EPOCH FILE...   (members are named by basename)
"""
import os
import sys
import time
import zipfile

ZIP_EPOCH = 315532800  # 1980-01-01, the earliest date a zip can hold


def main():
    if len(sys.argv) < 4:
        sys.exit("usage: pack_zip.py OUTPUT.zip EPOCH FILE...")
    output, epoch, files = sys.argv[1], int(sys.argv[2]), sys.argv[3:]
    date_time = time.gmtime(max(epoch, ZIP_EPOCH))[:6]
    partial = output + ".partial"
    with zipfile.ZipFile(partial, "w") as archive:
        for path in files:
            member = zipfile.ZipInfo(os.path.basename(path), date_time)
            member.compress_type = zipfile.ZIP_DEFLATED
            member.create_system = 3  # Unix, so that the mode below is read
            member.external_attr = 0o100644 << 16
            with open(path, "rb") as source:
                archive.writestr(member, source.read(), compresslevel=9)
    os.replace(partial, output)


if __name__ == "__main__":
    main()
