// Node, Deno and Bun import the CommonJS file: a program that both imports
// and requires the package has one core, and --list FILE reads through
// node:fs on every Node from 18.
import reacalc from './reacalc.cjs';

export const { run, framebreaks, framebreaksList, version } = reacalc;
