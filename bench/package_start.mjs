// The npm package's start in Node: the time from `import` (and from
// `require`) to the first answer, in a fresh process each run and timed
// inside it, beside the same for an empty module. Prints one
// "package_start key=value ..." line, the format print_table.py reads.
// Usage: node bench/package_start.mjs RUNS PACKAGE_DIR   (build/web/npm)
import { execFileSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, rmSync, symlinkSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';

const runs = Number(process.argv[2] ?? 15);
const packageDir = resolve(process.argv[3] ?? 'build/web/npm');
const project = mkdtempSync(join(tmpdir(), 'reacalc-start-'));
mkdirSync(join(project, 'node_modules/empty'), { recursive: true });
symlinkSync(packageDir, join(project, 'node_modules/reacalc'));
writeFileSync(join(project, 'node_modules/empty/package.json'),
  '{ "name": "empty", "exports": { "import": "./empty.mjs", "require": "./empty.cjs" } }');
writeFileSync(join(project, 'node_modules/empty/empty.mjs'), 'export const framebreaks = () => ({});\n');
writeFileSync(join(project, 'node_modules/empty/empty.cjs'), 'exports.framebreaks = () => ({});\n');

const SETUP = '{ baseRea: 0.45, firingMode: 3, fps: 60, rea: 81 }';
const load = { import: (name) => `(await import('${name}'))`, require: (name) => `require('${name}')` };
const time = (how, name) => {
  const script = `const start = performance.now();
    const { framebreaks } = ${load[how](name)};
    framebreaks(${SETUP});
    console.log(performance.now() - start);`;
  const flags = how === 'import' ? ['--input-type=module'] : [];
  return Number(execFileSync(process.execPath, [...flags, '-e', script], { cwd: project, encoding: 'utf8' }));
};
const median = (xs) => {
  const s = [...xs].sort((a, b) => a - b);
  return s.length % 2 ? s[(s.length - 1) / 2] : (s[s.length / 2 - 1] + s[s.length / 2]) / 2;
};

const figures = {};
for (const how of ['import', 'require']) {
  const [mine, empty] = [[], []];
  for (let i = 0; i < runs; i++) { // alternating, so load on the machine hits both alike
    mine.push(time(how, 'reacalc'));
    empty.push(time(how, 'empty'));
  }
  figures[`${how}_ms`] = median(mine);
  figures[`empty_${how}_ms`] = median(empty);
  figures[`${how}_min_ms`] = Math.min(...mine);
  figures[`empty_${how}_min_ms`] = Math.min(...empty);
}
rmSync(project, { recursive: true, force: true });
console.log(`package_start runs=${runs} ${Object.entries(figures).map(([k, v]) => `${k}=${v.toFixed(2)}`).join(' ')}`);
