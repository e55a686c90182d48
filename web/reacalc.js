// Loads the core (a standalone WebAssembly module) and hands app.js its
// functions and memory. embed_wasm.py writes the module's bytes into WASM
// below at build time: fetching them apart meant an await on the network
// while the page loaded, and the browser drew the page in that wait before
// the core could be ready. From the script's own bytes the core is ready
// before the first paint, as a page without WebAssembly would be.
// Each exported function f is core._f, the names the C entry points have.

const WASM = '@REACALC_WASM_BASE64@';

// The core only exits on a broken invariant (abort): stop the call there.
// Its memory grows for a large weapon list; the views below follow it.
const imports = {
  env: { emscripten_notify_memory_growth() {} },
  wasi_snapshot_preview1: {
    proc_exit(code) {
      throw new Error(`reacalc core stopped (${code})`);
    },
  },
};

function decodeBase64(text) {
  if (Uint8Array.fromBase64) return Uint8Array.fromBase64(text);
  const binary = atob(text);
  const bytes = new Uint8Array(binary.length);
  for (let i = 0; i < binary.length; i++) bytes[i] = binary.charCodeAt(i);
  return bytes;
}

// Compiled at once, without yielding to the page. Browsers that refuse that
// on the main thread for a module this size (before 2023, Chromium's limit
// was 4 KB) compile it in the background instead.
async function instantiate(bytes) {
  try {
    return new WebAssembly.Instance(new WebAssembly.Module(bytes), imports);
  } catch (error) {
    if (!(error instanceof RangeError)) throw error;
    return (await WebAssembly.instantiate(bytes, imports)).instance;
  }
}

export default async function createReacalc() {
  const { exports } = await instantiate(decodeBase64(WASM));
  exports._initialize(); // static constructors
  const core = {
    // Views are made anew on each use: they would go stale if memory grew.
    get HEAPU8() { return new Uint8Array(exports.memory.buffer); },
    get HEAPU32() { return new Uint32Array(exports.memory.buffer); },
  };
  for (const [name, value] of Object.entries(exports)) {
    if (typeof value === 'function') core[`_${name}`] = value;
  }
  return core;
}
