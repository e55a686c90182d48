#!/usr/bin/env python3
"""Writes the page's loader, reacalc.js, from web/reacalc.js with the core's
WebAssembly module in it as base64, in place of the one placeholder.

Usage: embed_wasm.py LOADER_JS MODULE_WASM OUTPUT
"""
import base64
import sys

PLACEHOLDER = "@REACALC_WASM_BASE64@"


def main():
    template_path, module_path, output = sys.argv[1:4]
    with open(template_path, encoding="utf-8") as f:
        template = f.read()
    if template.count(PLACEHOLDER) != 1:
        sys.exit(f"{template_path}: expected {PLACEHOLDER} exactly once")
    with open(module_path, "rb") as f:
        encoded = base64.b64encode(f.read()).decode()
    with open(output, "w", encoding="utf-8") as f:
        f.write(template.replace(PLACEHOLDER, encoded))


if __name__ == "__main__":
    main()
