#!/usr/bin/env python3
"""Writes the site's service worker, sw.js, from web/worker.js: the cache's
name holds a hash of every file of the site (and of the worker's own code),
and each file goes in the list with its SHA-256 for the fetch's integrity.
A build that changes any byte of the site so gets a new worker and a new
cache; one that changes nothing writes the same sw.js.

Usage: make_worker.py SITE_DIR WORKER_JS OUTPUT FILE...
FILE names are relative to SITE_DIR; index.html is also listed as "./", the
address the page is opened at.
"""
import base64
import hashlib
import json
import sys


def main():
    site, template_path, output, files = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
    with open(template_path, encoding="utf-8") as f:
        template = f.read()
    build = hashlib.sha256(template.encode())
    entries = []
    for name in sorted(files):
        with open(f"{site}/{name}", "rb") as f:
            data = f.read()
        build.update(name.encode() + b"\0" + hashlib.sha256(data).digest())
        integrity = "sha256-" + base64.b64encode(hashlib.sha256(data).digest()).decode()
        entries.append([name, integrity])
        if name == "index.html":
            entries.insert(0, ["./", integrity])
    header = ("// Made by web/make_worker.py from web/worker.js at build time.\n"
              f"const CACHE = 'reacalc-{build.hexdigest()[:16]}';\n"
              "const FILES = [\n" + ",\n".join(json.dumps(e) for e in entries) + "\n];\n")
    with open(output, "w", encoding="utf-8") as f:
        f.write(header + template)


if __name__ == "__main__":
    main()
