
// The CommonJS file's ending. module.require, not require: bundlers leave it
// alone, and a bundle without it has no file system.
function requireFileSystem() {
  return module.require('node:fs');
}

module.exports = { run, framebreaks, framebreaksList, version };
