// The npm package as a user gets it: the tarball installed offline into an
// empty project, its examples run there, a TypeScript use of every export
// type-checked, and its answers against the native reacalc-cli, byte for byte.
// scripts/test-package builds both and names them in REACALC_TGZ, REACALC_CLI.
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { copyFileSync, cpSync, mkdtempSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, test } from 'node:test';
import { fileURLToPath, pathToFileURL } from 'node:url';

const { REACALC_TGZ: tarball, REACALC_CLI: cli } = process.env;
const root = fileURLToPath(new URL('../..', import.meta.url));
const project = mkdtempSync(join(tmpdir(), 'reacalc-package-'));
after(() => rmSync(project, { recursive: true, force: true }));

// Good, bad and hostile lines; a column of notes, a quoted name with | and "".
const LIST = 'Name,baseRea,firingMode,fps,rea,at,compare,notes\r\n' +
  'Rifle,0.45,3,60,81,37,"120,144",kept\r\nShotgun,1,1,0,50,,,\r\n' +
  '"Pipe | ""Gun"" [[x]]",0.2,1,144,60,,,\r\n,0.45,3,60,81,,,\r\n';

writeFileSync(join(project, 'package.json'), '{ "private": true, "type": "module" }\n');
writeFileSync(join(project, 'weapons.csv'), LIST);
execFileSync('npm', ['install', '--offline', '--no-audit', '--no-fund', '--loglevel=error', tarball],
  { cwd: project });
const installed = join(project, 'node_modules', 'reacalc');
process.chdir(project); // the lists' file names are read from here, as the CLI's are
const { run, framebreaks, framebreaksList, version } =
  await import(pathToFileURL(join(installed, 'reacalc.js')));

const native = (args, input = '') => spawnSync(cli, args, { input, cwd: project });
const bytes = (result) => [result.status, Buffer.from(result.stdout), Buffer.from(result.stderr)];
const defaults = ['0.45', '3', '60', '81'];

test('run gives what reacalc-cli gives, byte for byte', () => {
  const cases = [
    [defaults],
    [['--csv', '--frames', ...defaults]],
    [['--svg', '--at', '37', '--compare', '120,144', ...defaults]],
    [['--json', '--at', '37', '--compare', '120 144', '--', ...defaults]],
    [['--markdown', '--at', '80', ...defaults]],
    [['--wiki', '--compare', '144', '1e-1', '٣', '６０', '81']], // other scripts' digits
    [['--json', '0.45', '3', '0', '81']], // exit 1, with JSON
    [['--at', '81', ...defaults]],
    [['-1', '3', '60', '81']], // a value, not an option
    [['0.45 ', '3', '60', '81'], 'ignored'],
    [['0.45', '3', '60']], // exit 2 from here on
    [['--csv', '--svg', ...defaults]],
    [['--json', '--markdown', ...defaults]],
    [['--at']],
    [[]],
    [['--help']],
    [['--version']],
    [['--json', '--list', '-'], LIST],
    [['--list', '-'], LIST],
    [['--csv', '--list', '-'], LIST],
    [['--markdown', '--list', '-'], LIST],
    [['--wiki', '--list', 'weapons.csv']], // read through node:fs
    [['--json', '--list', 'missing.csv']],
    [['--list', '.']], // a directory
    [['--list', '-'], Buffer.from('name,baseRea,firingMode,fps,rea\nA\xff,1,1,60,81\n', 'latin1')],
    [['--list', '-'], 'name,fps\nA,60\n'],
    [['--list', '-']], // empty input
    [['--list', '-', ...defaults], LIST],
  ];
  for (const [args, input = ''] of cases) {
    assert.deepEqual(bytes(run(args, input)), bytes(native(args, input)), args.join(' '));
  }
  assert.equal(`reacalc-cli ${version}\n`, native(['--version']).stdout.toString());
});

test('framebreaks is the JSON of reacalc-cli for the same texts', () => {
  const cases = [
    [{ baseRea: 0.45, firingMode: 3, fps: 60, rea: 81, at: 37, compare: 144 }, ['--at', '37', '--compare', '144', '--', ...defaults]],
    [{ baseRea: '0.45', firingMode: '3', fps: '60', rea: '81', at: '', compare: '' }, ['--', ...defaults]],
    [{ baseRea: 0.1 + 0.2, firingMode: 1e21, fps: 60, rea: 81 }, ['--', '0.30000000000000004', '1e+21', '60', '81']],
    [{ firingMode: 3, fps: 60, rea: 81 }, ['--', '', '3', '60', '81']], // baseRea missing
    [{ baseRea: '-1', firingMode: 3, fps: 60, rea: 81, at: 99 }, ['--at', '99', '--', '-1', '3', '60', '81']],
    [{ baseRea: 0.45, firingMode: 3, fps: 60, rea: 81, at: 90 }, ['--at', '90', '--', ...defaults]],
  ];
  for (const [setup, args] of cases) {
    assert.deepEqual(framebreaks(setup), JSON.parse(native(['--json', ...args]).stdout), args.join(' '));
  }
  for (const notASetup of [undefined, null, '0.45 3 60 81', 3, [], { fps: true }, { at: null }, { rea: 81n }]) {
    assert.throws(() => framebreaks(notASetup), TypeError);
  }
});

test('framebreaksList gives the entries of --json --list -, or the message of a list refused whole', () => {
  assert.deepEqual(framebreaksList(LIST), JSON.parse(native(['--json', '--list', '-'], LIST).stdout));
  for (const refused of ['', 'name,baseRea,fps,rea\nA,1,60,81\n', new Uint8Array([0x6e, 0xff, 0x0a])]) {
    const cli = native(['--json', '--list', '-'], refused);
    assert.deepEqual([cli.status, cli.stdout.length], [1, 0]);
    assert.deepEqual(framebreaksList(refused), { error: { message: cli.stderr.toString().replace(/\n$/, '') } });
  }
});

test('the tarball holds the module, its declarations, README and package.json', () => {
  assert.deepEqual(readdirSync(installed).sort(), ['README.md', 'package.json', 'reacalc.d.ts', 'reacalc.js']);
});

test('the examples run in the installed project as docs/package.md shows', () => {
  cpSync(join(root, 'examples'), join(project, 'examples'), { recursive: true });
  const node = (args) => spawnSync(process.execPath, args, { cwd: project });
  const bot = node(['examples/chat-bot.mjs', '!framebreaks 0.45 3 60 81 at 37', '!framebreaks 0.45 3 0 81', 'hi']);
  const [table, sentence] = native(['--markdown', '--at', '37', '--', ...defaults]).stdout.toString()
    .trimEnd().split('\n\n');
  assert.equal(bot.stdout.toString(), `\`\`\`\n${table}\n\`\`\`\n${sentence}\nEnter valid FPS > 0\n(not for us)\n`);
  assert.deepEqual(bytes(node(['examples/wiki-tables.mjs', 'weapons.csv'])),
    bytes(native(['--wiki', '--list', 'weapons.csv'])));
});

test('a TypeScript use of every export type-checks against the declarations', () => {
  copyFileSync(join(root, 'tests/package/use.ts'), join(project, 'use.ts'));
  writeFileSync(join(project, 'tsconfig.json'), JSON.stringify({
    compilerOptions: { strict: true, noEmit: true, module: 'nodenext', target: 'es2022', types: [] },
    files: ['use.ts'],
  }));
  const tsc = spawnSync(join(root, 'node_modules/.bin/tsc'), ['-p', project], { encoding: 'utf8' });
  assert.equal(tsc.status, 0, tsc.stdout + tsc.stderr);
});
