
// The ES module's ending. Where getBuiltinModule is missing (Node before
// 20.16), Node takes reacalc.node.mjs, the CommonJS file, instead.
function requireFileSystem() {
  return null;
}

export { run, framebreaks, framebreaksList, version };
