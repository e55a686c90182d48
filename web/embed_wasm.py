#!/usr/bin/env python3
"""Writes a script with a WebAssembly module in it: the parts, in order, put
together, with the module written in place of the one placeholder (in
core_loader.js, the loader the page and the npm package share). The page's
app.js and the package's ES module and CommonJS file are each made so.

The module is written as text that decodes synchronously and gzips to about
the module's own size: each byte value is one character, or two for the
rarest, numbered in order of frequency. base64 gzips a fifth larger (its
characters straddle bytes, so gzip finds fewer repeats), and compressing
first would need an inflate, which browsers only do asynchronously. With
--base64 it is base64 all the same: the page's, which browsers decode
natively, faster than a script decodes the text.

Usage: embed_wasm.py [--base64] MODULE_WASM OUTPUT PART...
"""
import base64
import collections
import json
import sys

PLACEHOLDER = "'@REACALC_CORE@'"
# Printable ASCII that needs no escape in a JS or JSON string, and no "<",
# so the text can never close a <script> element it is inlined into.
DIGITS = "".join(chr(c) for c in range(0x20, 0x7F) if chr(c) not in "\"'\\`$<")
PREFIXES = 2  # digits that start a two-character code


def encode(module):
    counts = collections.Counter(module)
    order = sorted(range(256), key=lambda b: (-counts[b], b))
    singles = len(DIGITS) - PREFIXES
    assert singles + PREFIXES * len(DIGITS) >= 256
    codes = {}
    for i, byte in enumerate(order):
        if i < singles:
            codes[byte] = DIGITS[PREFIXES + i]
        else:
            j = i - singles
            codes[byte] = DIGITS[j // len(DIGITS)] + DIGITS[j % len(DIGITS)]
    text = "".join(codes[b] for b in module)
    return {"text": text, "digits": DIGITS, "prefixes": PREFIXES, "order": order,
            "size": len(module)}


def main():
    args = sys.argv[1:]
    as_base64 = args[:1] == ["--base64"]
    module_path, output, *parts = args[1:] if as_base64 else args
    script = ""
    for part in parts:
        with open(part, encoding="utf-8") as f:
            script += f.read()
    if script.count(PLACEHOLDER) != 1:
        sys.exit(f"{' '.join(parts)}: expected {PLACEHOLDER} exactly once")
    with open(module_path, "rb") as f:
        module = f.read()
    core = json.dumps(base64.b64encode(module).decode() if as_base64 else encode(module),
                      separators=(",", ":"))
    with open(output, "w", encoding="utf-8") as f:
        f.write(script.replace(PLACEHOLDER, core))


if __name__ == "__main__":
    main()
