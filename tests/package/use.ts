// Every export of the package, used as a TypeScript program would. Each line
// marked as an expected error fails the check if the declarations let it pass.
import { type RunResult, framebreaks, framebreaksList, run, version } from 'reacalc';

const result: RunResult = run(['--json', '--list', '-'], 'name,baseRea,firingMode,fps,rea\n');
const status: number = result.status + run(['--version']).stdout.length;
// @ts-expect-error: the arguments are strings
run([0.45, 3, 60, 81]);

const answer = framebreaks({ baseRea: 0.45, firingMode: '3', fps: 60, rea: 81, at: 37, compare: '120,144' });
const input: 'baseRea' | 'firingMode' | 'fps' | 'rea' | 'at' | 'compare' | undefined =
  'error' in answer ? answer.error.input : undefined;
if (!('error' in answer)) {
  const frames: number | null = answer.rows[0].frames;
  const next: number | undefined = answer.standing?.next?.rea;
  const bps: number[] | undefined = answer.comparison?.rows[0].bps;
  void [frames, next, bps, input];
}
// @ts-expect-error: a value is a string or a number
framebreaks({ fps: true });

const list = framebreaksList(new Uint8Array([0x6e]));
if (Array.isArray(list)) {
  for (const entry of list) {
    const name: string | null = 'error' in entry ? entry.name : entry.name.toUpperCase();
    void [entry.line, name];
  }
}
const message: string = Array.isArray(list) ? '' : list.error.message;
const text: string = version;
void [status, text, message];
