// Loads the core (a standalone WebAssembly module) for app.js, through the
// loader the npm package shares (core_loader.js, put before this file at
// build time with the module's bytes in it): fetching them apart meant an
// await on the network while the page loaded, and the browser drew the page
// in that wait before the core could be ready. From the script's own bytes
// the core is ready before the first paint, as a page without WebAssembly
// would be. The core's functions are core.exports, the names the C entry
// points have.

// Browsers that refuse to compile a module this size on the main thread
// (before 2023, Chromium's limit was 4 KB) compile it in the background.
export default async function createReacalc() {
  let module;
  try {
    module = compileCore();
  } catch (error) {
    if (!(error instanceof RangeError)) throw error;
    module = await WebAssembly.compile(decodeCore(CORE));
  }
  return instantiateCore(module);
}
