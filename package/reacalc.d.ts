/**
 * reacalc: the framebreaks of a weapon, from reacalc's exact core.
 *
 * The core is reacalc-cli's own, compiled to WebAssembly and carried inside
 * this module: it is ready once `import` or `require` returns, and every call
 * is synchronous. Each answer is byte for byte what `reacalc-cli` gives.
 *
 * @example
 * import { framebreaks } from 'reacalc';
 * const { rows } = framebreaks({ baseRea: 0.45, firingMode: 3, fps: 60, rea: 81 });
 * // rows[3] is { rea: 34, bps: 10, frames: 6 }
 *
 * @packageDocumentation
 */

/** What `reacalc-cli` gave: its exit status and its two streams. */
export interface RunResult {
  /** 0 success, 1 a bad input (or a list with a bad line), 2 wrong usage. */
  status: number;
  /** Standard output, decoded from UTF-8. */
  stdout: string;
  /** Standard error: the messages, or the usage on exit 2. */
  stderr: string;
}

/**
 * Runs `reacalc-cli` with these arguments (the ones after the program name)
 * and returns what it gives, byte for byte: every option, message and exit
 * status, as reacalc's docs/cli.md describes them. A player's
 * words can go in as they stand: a bad value is an answer with status 1.
 *
 * `input` is standard input, read by `--list -`. `--list FILE` reads FILE
 * with Node's file system; in a browser every FILE is unreadable (status 1,
 * as reacalc-cli says for a missing file). As reacalc-cli, a list reads at
 * most 64 MiB and a byte: more is refused with the CLI's message. No
 * argument can hold U+0000, as on a command line: it is taken as U+FFFD, so
 * a value holding one fails.
 *
 * @throws TypeError when `args` is not an array of strings (a hole is not
 *   one), holds more than a command line can (an argument of 128 KiB, or
 *   2 MiB in all), or `input` is neither a string nor a Uint8Array.
 * @example
 * import { run } from 'reacalc';
 * run(['0.45', '3', '60', '81']).stdout;        // 'REA\tBPS\n0\t6.667\n12\t7.500\n...'
 * run(['--markdown', '--at', '37', '0.45', '3', '60', '81']).stdout;
 * run(['0.45', '3', '0', '81']);                 // { status: 1, stdout: '', stderr: 'Enter valid FPS > 0\n' }
 * run(['--wiki', '--list', '-'], 'name,baseRea,firingMode,fps,rea\nRifle,0.45,3,60,81\n');
 */
export function run(args: readonly string[], input?: string | Uint8Array): RunResult;

/** The names of the inputs, as in the page's share links. */
export type InputName = 'baseRea' | 'firingMode' | 'fps' | 'rea' | 'at' | 'compare';

/**
 * One setup, each value exactly as a player would type it. A number goes in
 * as `String(value)`, which gives back the same double.
 */
export interface Setup {
  /** Base REA time in seconds, > 0 (the window's default 0.45). A missing one is an empty text. */
  baseRea?: string | number;
  /** Shots per REA cycle, >= 1 (3). */
  firingMode?: string | number;
  /** Client frames per second, >= 1 (60). */
  fps?: string | number;
  /** Percentages to scan from 0 %, >= 1 (81). */
  rea?: string | number;
  /** Your REA %: where you stand. Missing or empty: off. */
  at?: string | number;
  /** Compare Fps: up to four more frame rates, "120,144" or "120 144". Missing or empty: off. */
  compare?: string | number;
}

/** A framebreak. `bps` is the cell text's number (`"10.000"` is 10). */
export interface Row {
  rea: number;
  bps: number;
  /** Frames per shot; null where the BPS is 0. */
  frames: number | null;
}

/** Where a REA % stands: the row in effect there, and the next framebreak. */
export interface Standing {
  at: number;
  bps: number;
  frames: number | null;
  /** The REA % of the row in effect. */
  since: number;
  /** The next framebreak, or null when there is none. */
  next: Row | null;
}

/** The table at other frame rates: the main Fps first. */
export interface Comparison {
  fps: number[];
  /** A row at every REA % where any rate changes; each BPS in `fps`'s order. */
  rows: { rea: number; bps: number[] }[];
}

/** A setup's answer: its framebreaks, and the standing and comparison asked for. */
export interface Framebreaks {
  rows: Row[];
  standing?: Standing;
  comparison?: Comparison;
}

/** The first bad input and its message, e.g. `{ input: 'fps', message: 'Enter valid FPS > 0' }`. */
export interface InputError {
  error: { input: InputName; message: string };
}

/**
 * The framebreaks of one setup: what `JSON.parse` gives for the stdout of
 * `reacalc-cli --json [--at P] [--compare LIST] -- B F P R`. A bad input is
 * a result (`{ error }`), never an exception.
 *
 * @throws TypeError when `setup` is not an object, or one of its values is
 *   neither a string nor a number.
 * @example
 * import { framebreaks } from 'reacalc';
 * const answer = framebreaks({ baseRea: '0.45', firingMode: 3, fps: 60, rea: 81, at: 37 });
 * if ('error' in answer) console.log(answer.error.message);
 * else console.log(answer.standing?.next); // { rea: 45, bps: 12, frames: 5 }
 * framebreaks({ baseRea: 0.45, firingMode: 3, fps: 0, rea: 81 });
 * // { error: { input: 'fps', message: 'Enter valid FPS > 0' } }
 */
export function framebreaks(setup: Setup): Framebreaks | InputError;

/** A weapon of a list that was answered: its line in the file and its name. */
export interface ListAnswer extends Framebreaks {
  line: number;
  name: string;
}

/** A weapon of a list that failed; `name` is null when the name is what failed. */
export interface ListFailure {
  line: number;
  name: string | null;
  error: { input: InputName | 'name'; message: string };
}

/** A list refused whole (no header, a missing column, not UTF-8), with the CLI's message. */
export interface ListRefused {
  error: { message: string };
}

/**
 * Every weapon of a weapon list (CSV with the columns name, baseRea,
 * firingMode, fps, rea, and optionally at and compare), in file order: the
 * entries of `reacalc-cli --json --list -` for that text. Each line is
 * answered on its own; a list refused whole gives `{ error: { message } }`.
 * Give the file's bytes (a Uint8Array) to have a file that is not UTF-8
 * reported as such.
 *
 * @throws TypeError when `csvText` is neither a string nor a Uint8Array.
 * @example
 * import { framebreaksList } from 'reacalc';
 * const list = framebreaksList('name,baseRea,firingMode,fps,rea\nRifle,0.45,3,60,81\nShotgun,1,1,0,50\n');
 * if (!Array.isArray(list)) throw new Error(list.error.message);
 * for (const entry of list) {
 *   if ('error' in entry) console.log(`line ${entry.line}: ${entry.error.message}`);
 *   else console.log(entry.name, entry.rows.length);
 * }
 */
export function framebreaksList(csvText: string | Uint8Array): (ListAnswer | ListFailure)[] | ListRefused;

/**
 * The version, as `reacalc-cli --version` prints it after the name.
 *
 * @example
 * import { version } from 'reacalc';
 * console.log(`reacalc ${version}`); // 'reacalc 1.0'
 */
export const version: string;
