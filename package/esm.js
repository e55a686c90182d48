
// The ES module's ending. Node, Deno and Bun import the CommonJS file
// instead (package.json): one core for import and require, and node:fs on
// every Node from 18, where getBuiltinModule is missing before 20.16.
function requireFileSystem() {
  return null;
}

export { run, framebreaks, framebreaksList, version };
