// The core's loader, one source for the page (web/app.js) and the npm
// package (package/api.js): embed_wasm.py puts it before each one's own code
// and writes the module's bytes into CORE. A plain script, neither import nor
// export, so the package's ES module and CommonJS file both carry it.
//
// The bytes are base64 for the page and the package's CommonJS file (Node's):
// current browsers and Node decode it natively, in a fraction of a
// millisecond. For the package's ES module, the file browser bundles take,
// they are text, one character for each of the commonest byte values and two
// for the rest (embed_wasm.py): unlike base64 each byte stays one token, so
// the script gzips to about the module's own size, and it decodes at once,
// which no browser's inflate does.
const CORE = '@REACALC_CORE@';

function decodeCore(core) {
  if (typeof core === 'string') {
    if (Uint8Array.fromBase64) return Uint8Array.fromBase64(core);
    if (globalThis.Buffer) return globalThis.Buffer.from(core, 'base64');
    const binary = atob(core);
    const bytes = new Uint8Array(binary.length);
    for (let i = 0; i < binary.length; i++) bytes[i] = binary.charCodeAt(i);
    return bytes;
  }
  const { text, digits, prefixes, order, size } = core;
  const digit = new Uint8Array(128);
  for (let d = 0; d < digits.length; d++) digit[digits.charCodeAt(d)] = d;
  const singles = digits.length - prefixes;
  const bytes = new Uint8Array(size);
  for (let i = 0, n = 0; n < size; n++) {
    const d = digit[text.charCodeAt(i++)];
    bytes[n] = order[d >= prefixes ? d - prefixes : singles + d * digits.length + digit[text.charCodeAt(i++)]];
  }
  return bytes;
}

// Compiled at once, without yielding: every later call is synchronous.
const compileCore = () => new WebAssembly.Module(decodeCore(CORE));

// The core only exits on a broken invariant (abort): stop the call there.
// Its memory grows for a large input; views are made anew on each use, as
// memory.buffer is replaced when it grows.
const CORE_IMPORTS = {
  env: { emscripten_notify_memory_growth() {} },
  wasi_snapshot_preview1: {
    proc_exit(code) {
      throw new Error(`reacalc core stopped (${code})`);
    },
  },
};

const coreDecoder = new TextDecoder();

// An instance and the memory work around it: what goes in at an address the
// core gave, what comes out as text.
function instantiateCore(module) {
  const { exports } = new WebAssembly.Instance(module, CORE_IMPORTS);
  exports._initialize(); // static constructors
  const heap = () => new Uint8Array(exports.memory.buffer);
  return {
    exports,
    memoryBytes: () => exports.memory.buffer.byteLength,
    write(at, bytes) {
      heap().set(bytes, at);
    },
    // A wchar_t per UTF-16 code unit.
    writeUnits(at, text) {
      const units = new Uint32Array(exports.memory.buffer, at, text.length);
      for (let k = 0; k < text.length; k++) units[k] = text.charCodeAt(k);
    },
    read: (at, length) => coreDecoder.decode(heap().subarray(at, at + length)),
    readString(at) {
      const bytes = heap();
      return coreDecoder.decode(bytes.subarray(at, bytes.indexOf(0, at)));
    },
  };
}
