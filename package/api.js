// reacalc for programs: reacalc-cli's own RunCli, compiled to WebAssembly
// (binding.cpp), so every answer is the CLI's, byte for byte. The build puts
// the page's loader (web/core_loader.js) with the module's bytes before this
// file and an ending after it: export (reacalc.js) or module.exports
// (reacalc.cjs). Nothing is fetched or read to load it, and the core is
// compiled before the module's evaluation ends, so every export is
// synchronous from the first line that can call it. What each export does:
// reacalc.d.ts.

const NEEDS_FILE = -1; // reacalc_run's answer when --list names a file (binding.cpp)
const UNREADABLE = 0, READ = 1, TOO_LARGE = 2; // what reacalc_file is told
const OVER_LIMIT = {}; // more bytes than a list may hold, not kept
const SETUP = ['baseRea', 'firingMode', 'fps', 'rea', 'at', 'compare'];
// No command line carries more (Linux's MAX_ARG_STRLEN and ARG_MAX), and
// the core's memory would not hold the longest strings a script can make.
const MAX_ARGUMENT_BYTES = 128 << 10; // with its NUL
const MAX_ARGUMENTS_BYTES = 2 << 20;
// The core's memory stops at 2 GiB and a string at 512 MiB: a list can ask
// for more (64 MiB of short lines is gigabytes of tables). reacalc-cli would
// write it; here it is an answer of its own rather than an exception.
const TOO_LARGE_ANSWER = {
  status: 1,
  stdout: '',
  stderr: 'The answer is larger than this package can hold in memory: reacalc-cli writes it.\n',
};

const encoder = new TextEncoder();

const compiled = compileCore();
// An instance's memory only grows. One that grew for a large call is
// dropped after it, and the next call makes a fresh one (about a
// millisecond), so the memory comes back.
let current = null;
let firstMemoryBytes = 0;
function core() {
  if (!current) {
    current = instantiateCore(compiled);
    firstMemoryBytes = current.memoryBytes();
  }
  return current;
}

// Node's file system, for --list FILE, synchronously: Node from 20.16, Deno
// and Bun have getBuiltinModule; elsewhere the ending's own way, if any. In a
// browser there is none, and every file is unreadable, as a missing one is
// to reacalc-cli. No free `process` or `require`, which bundlers would fill.
let fs;
function fileSystem() {
  if (fs !== undefined) return fs;
  fs = null;
  const host = globalThis.process;
  if (!host?.versions?.node) return fs;
  try {
    fs = host.getBuiltinModule ? host.getBuiltinModule('node:fs') : requireFileSystem();
  } catch {
    // a bundle with no way to it
  }
  return fs;
}

// Fewer than `limit` bytes, or OVER_LIMIT, read in chunks, whatever the file
// is: /dev/zero, a FIFO, a sparse file of gigabytes. Null when it cannot be
// read.
function readFile(name, limit) {
  const files = fileSystem();
  if (!files) return null;
  let fd;
  try {
    fd = files.openSync(name, 'r');
  } catch {
    return null; // no such file, no permission
  }
  try {
    const chunks = [];
    let size = 0;
    for (let chunk = 1 << 16; size < limit; chunk = Math.min(2 * chunk, 8 << 20)) {
      const buffer = new Uint8Array(Math.min(chunk, limit - size));
      const n = files.readSync(fd, buffer, 0, buffer.length, null);
      if (n === 0) break;
      chunks.push(buffer.subarray(0, n));
      size += n;
    }
    if (size >= limit) return OVER_LIMIT;
    const bytes = new Uint8Array(size);
    for (let i = 0, at = 0; i < chunks.length; at += chunks[i++].length) bytes.set(chunks[i], at);
    return bytes;
  } catch {
    return null; // a directory, a read error
  } finally {
    files.closeSync(fd);
  }
}

// Standard input, straight into the core: a string as UTF-8, written where
// the core gave room, never more than `limit` bytes of it.
function supplyInput({ exports }, input, limit) {
  const room = typeof input === 'string' ? Math.min(3 * input.length, limit) : input.length;
  // Each UTF-16 unit is a byte or more.
  if (room >= limit && (typeof input !== 'string' || input.length >= limit)) {
    exports.reacalc_file(0, TOO_LARGE);
    return;
  }
  const at = exports.reacalc_file(room, READ);
  const memory = () => new Uint8Array(exports.memory.buffer, at, room);
  if (typeof input !== 'string') {
    memory().set(input);
    return;
  }
  const { read, written } = encoder.encodeInto(input, memory());
  if (read < input.length || written >= limit) exports.reacalc_file(0, TOO_LARGE);
  else exports.reacalc_file_used(written);
}

function checkInput(input, caller) {
  if (typeof input !== 'string' && !(input instanceof Uint8Array)) {
    throw new TypeError(`${caller}: the input must be a string or a Uint8Array`);
  }
}

function encodeArguments(args) {
  const encoded = [];
  let size = 0;
  // An index loop: a hole is an argument that is not a string.
  for (let i = 0; Array.isArray(args) && i < args.length; i++) {
    if (typeof args[i] !== 'string') break;
    // No command line can carry U+0000; as U+FFFD it fails its field like
    // any other stray character, instead of ending the argument early.
    const bytes = args[i].length < MAX_ARGUMENT_BYTES ? encoder.encode(args[i].replaceAll('\0', '\uFFFD')) : null;
    if (!bytes || bytes.length >= MAX_ARGUMENT_BYTES) {
      throw new TypeError('run: an argument is longer than a command line can carry (128 KiB)');
    }
    encoded.push(bytes);
    size += bytes.length + 1;
    if (size > MAX_ARGUMENTS_BYTES) {
      throw new TypeError('run: the arguments are more than a command line can carry (2 MiB)');
    }
  }
  if (encoded.length !== args?.length) throw new TypeError('run: the arguments must be an array of strings');
  return { encoded, size };
}

function runInCore(encoded, size, input) {
  const { exports, write, read, readString } = core();
  let at = exports.reacalc_request(size); // zero-filled: each argument's NUL is there
  for (const bytes of encoded) {
    write(at, bytes);
    at += bytes.length + 1;
  }
  let status;
  while ((status = exports.reacalc_run(encoded.length)) === NEEDS_FILE) {
    const name = readString(exports.reacalc_file_name());
    const limit = exports.reacalc_list_limit();
    if (name === '-') {
      supplyInput(current, input, limit);
      continue;
    }
    const bytes = readFile(name, limit);
    if (!bytes) exports.reacalc_file(0, UNREADABLE);
    else if (bytes === OVER_LIMIT) exports.reacalc_file(0, TOO_LARGE);
    else write(exports.reacalc_file(bytes.length, READ), bytes);
  }
  return {
    status,
    stdout: read(exports.reacalc_stdout(), exports.reacalc_stdout_size()),
    stderr: read(exports.reacalc_stderr(), exports.reacalc_stderr_size()),
  };
}

function run(args, input = '') {
  const { encoded, size } = encodeArguments(args);
  checkInput(input, 'run');
  let answered = false;
  try {
    const answer = runInCore(encoded, size, input);
    answered = true;
    return answer;
  } catch (error) {
    if (error instanceof RangeError || current?.memoryBytes() > 1 << 30) return { ...TOO_LARGE_ANSWER };
    throw error; // a broken invariant: the core's own message
  } finally {
    // Grown, or stopped halfway through a call (an abort): start afresh.
    if (!answered || current.memoryBytes() > firstMemoryBytes) current = null;
  }
}

function setupText(setup, name) {
  const value = setup[name];
  if (value === undefined) return '';
  if (typeof value === 'string') return value;
  if (typeof value === 'number') return String(value);
  throw new TypeError(`framebreaks: ${name} must be a string or a number`);
}

function framebreaks(setup) {
  if (typeof setup !== 'object' || setup === null || Array.isArray(setup)) {
    throw new TypeError('framebreaks: the setup must be an object');
  }
  const [baseRea, firingMode, fps, rea, at, compare] = SETUP.map((name) => setupText(setup, name));
  // An empty REA % or Compare Fps is off, as on the page.
  const args = ['--json'];
  if (at !== '') args.push('--at', at);
  if (compare !== '') args.push('--compare', compare);
  args.push('--', baseRea, firingMode, fps, rea);
  return JSON.parse(run(args).stdout);
}

function framebreaksList(csvText) {
  checkInput(csvText, 'framebreaksList');
  const { status, stdout, stderr } = run(['--json', '--list', '-'], csvText);
  // A list refused whole: a message and nothing on stdout.
  if (status === 1 && stdout === '') return { error: { message: stderr.replace(/\n$/, '') } };
  return JSON.parse(stdout);
}

const version = run(['--version']).stdout.trim().slice('reacalc-cli '.length);
