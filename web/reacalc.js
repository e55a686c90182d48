// Loads the core (reacalc.wasm, built as a standalone module) and hands
// app.js its functions and memory. It replaces Emscripten's generated glue:
// the module needs one import and no runtime, so 9 KB of script to compile
// before the WebAssembly could even start was pure load time.
// Each exported function f is core._f, the names the C entry points have.

// The core only exits on a broken invariant (abort): stop the call there.
const imports = {
  wasi_snapshot_preview1: {
    proc_exit(code) {
      throw new Error(`reacalc core stopped (${code})`);
    },
  },
};

export default async function createReacalc() {
  const url = new URL('reacalc.wasm', import.meta.url);
  const { instance } = await WebAssembly.instantiateStreaming(fetch(url), imports);
  const { exports } = instance;
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
