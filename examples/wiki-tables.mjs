// The wikitext of every weapon of a weapon list: one table per good line,
// captioned with its name, ready to paste into a wiki page. The lines that
// fail are named on stderr, with their line numbers, and the exit status is
// then 1; the other weapons are still written.
//
// Usage: node wiki-tables.mjs WEAPONS.csv > tables.wiki
import { run } from 'reacalc';

const file = process.argv[2];
if (!file) {
  console.error('usage: node wiki-tables.mjs WEAPONS.csv');
  process.exit(2);
}
// The core reads the file itself (through node:fs), as reacalc-cli does.
const { status, stdout, stderr } = run(['--wiki', '--list', file]);
process.stdout.write(stdout);
process.stderr.write(stderr);
process.exitCode = status;
