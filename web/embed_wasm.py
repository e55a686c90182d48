#!/usr/bin/env python3
"""Writes a loader with a WebAssembly module in it as base64, in place of the
one placeholder: the page's reacalc.js from web/reacalc.js, and the npm
package's module from package/reacalc.js.

With --deflate the module is compressed first (zlib's format, which
DecompressionStream('deflate') reads): the package loads asynchronously anyway
and is a third smaller so. The page keeps the plain bytes, which it compiles
at once, before its first paint.

Usage: embed_wasm.py [--deflate] LOADER_JS MODULE_WASM OUTPUT
"""
import base64
import sys
import zlib

PLACEHOLDER = "@REACALC_WASM_BASE64@"


def main():
    args = sys.argv[1:]
    deflate = args[:1] == ["--deflate"]
    template_path, module_path, output = args[1:4] if deflate else args[0:3]
    with open(template_path, encoding="utf-8") as f:
        template = f.read()
    if template.count(PLACEHOLDER) != 1:
        sys.exit(f"{template_path}: expected {PLACEHOLDER} exactly once")
    with open(module_path, "rb") as f:
        module = f.read()
    if deflate:
        module = zlib.compress(module, 9)
    encoded = base64.b64encode(module).decode()
    with open(output, "w", encoding="utf-8") as f:
        f.write(template.replace(PLACEHOLDER, encoded))


if __name__ == "__main__":
    main()
