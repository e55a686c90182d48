// reacalc for programs: reacalc-cli's own RunCli, compiled to WebAssembly
// (binding.cpp), so every answer is the CLI's, byte for byte. The module's
// bytes are below, compressed, written in by web/embed_wasm.py at build time:
// nothing is fetched or read to load it. What each export does: reacalc.d.ts.

const WASM = '@REACALC_WASM_BASE64@';

const NEEDS_FILE = -1; // reacalc_run's answer when --list names a file (binding.cpp)
const SETUP = ['baseRea', 'firingMode', 'fps', 'rea', 'at', 'compare'];

const encoder = new TextEncoder();
const decoder = new TextDecoder();

function decodeBase64(text) {
  if (Uint8Array.fromBase64) return Uint8Array.fromBase64(text);
  const binary = atob(text);
  const bytes = new Uint8Array(binary.length);
  for (let i = 0; i < binary.length; i++) bytes[i] = binary.charCodeAt(i);
  return bytes;
}

// The module was deflated (zlib's format) to a third less; Node 18 and every
// current browser inflate it with DecompressionStream.
async function inflate(bytes) {
  const reader = new Blob([bytes]).stream().pipeThrough(new DecompressionStream('deflate')).getReader();
  const chunks = [];
  for (let chunk; !(chunk = await reader.read()).done;) chunks.push(chunk.value);
  return new Uint8Array(await new Blob(chunks).arrayBuffer());
}

// Node's file system, for --list FILE. Elsewhere (a browser) there is none,
// and every file is unreadable, as a missing one is to reacalc-cli. The
// specifier is a variable and marked, so bundlers leave the import alone.
async function loadFileSystem() {
  if (!globalThis.process?.versions?.node) return null;
  try {
    const name = 'node:fs';
    return await import(/* webpackIgnore: true */ /* @vite-ignore */ name);
  } catch {
    return null;
  }
}

const fs = await loadFileSystem();
// The core only exits on a broken invariant (abort): stop the call there.
const { instance } = await WebAssembly.instantiate(await inflate(decodeBase64(WASM)), {
  env: { emscripten_notify_memory_growth() {} }, // views are made anew anyway
  wasi_snapshot_preview1: {
    proc_exit(code) {
      throw new Error(`reacalc core stopped (${code})`);
    },
  },
});
const core = instance.exports;
core._initialize(); // static constructors

// A fresh view on each use: memory.buffer is replaced when memory grows.
const memory = () => new Uint8Array(core.memory.buffer);

function readFile(name) {
  try {
    return fs ? fs.readFileSync(name) : null;
  } catch {
    return null; // no such file, a directory, no permission
  }
}

function inputBytes(input, caller) {
  if (typeof input === 'string') return encoder.encode(input);
  if (input instanceof Uint8Array) return input;
  throw new TypeError(`${caller}: the input must be a string or a Uint8Array`);
}

export function run(args, input = '') {
  if (!Array.isArray(args) || !args.every((arg) => typeof arg === 'string')) {
    throw new TypeError('run: the arguments must be an array of strings');
  }
  // No command line can carry U+0000; as U+FFFD it fails its field like any
  // other stray character, instead of ending the argument early.
  const encoded = args.map((arg) => encoder.encode(arg.replaceAll('\0', '\uFFFD')));
  const stdin = inputBytes(input, 'run');
  const size = encoded.reduce((sum, bytes) => sum + bytes.length + 1, stdin.length);
  let at = core.reacalc_request(size); // zero-filled: each argument's NUL is there
  for (const bytes of encoded) {
    memory().set(bytes, at);
    at += bytes.length + 1;
  }
  memory().set(stdin, at);

  let status;
  while ((status = core.reacalc_run(args.length)) === NEEDS_FILE) {
    const start = core.reacalc_file_name();
    const heap = memory();
    const name = decoder.decode(heap.subarray(start, heap.indexOf(0, start)));
    const bytes = readFile(name);
    const target = core.reacalc_file(bytes ? bytes.length : 0, bytes ? 1 : 0);
    if (bytes) memory().set(bytes, target);
  }
  const text = (start, length) => decoder.decode(memory().subarray(start, start + length));
  return {
    status,
    stdout: text(core.reacalc_stdout(), core.reacalc_stdout_size()),
    stderr: text(core.reacalc_stderr(), core.reacalc_stderr_size()),
  };
}

function setupText(setup, name) {
  const value = setup[name];
  if (value === undefined) return '';
  if (typeof value === 'string') return value;
  if (typeof value === 'number') return String(value);
  throw new TypeError(`framebreaks: ${name} must be a string or a number`);
}

export function framebreaks(setup) {
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

export function framebreaksList(csvText) {
  const { status, stdout, stderr } = run(['--json', '--list', '-'], inputBytes(csvText, 'framebreaksList'));
  // A list refused whole: a message and nothing on stdout.
  if (status === 1 && stdout === '') return { error: { message: stderr.replace(/\n$/, '') } };
  return JSON.parse(stdout);
}

export const version = run(['--version']).stdout.trim().slice('reacalc-cli '.length);
