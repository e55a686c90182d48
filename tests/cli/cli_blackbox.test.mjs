// reacalc-cli as a user's script sees it, held against the independent model:
// exit status, stdout and stderr for about a thousand seeded inputs, in the
// table, CSV and SVG modes.
//
// The program's path and the project version come from the environment
// (REACALC_CLI, REACALC_VERSION; ctest sets both) or from the command line:
//   node tests/cli/cli_blackbox.test.mjs build/linux/reacalc-cli 1.0
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { describe, test } from 'node:test';

import { breakpointTable, calculate, formatBps, parseCalcInputs } from '../model/reacalc_model.mjs';
import { caseGroups } from './cli_cases.mjs';
import { checkSvg } from './svg_contract.mjs';

const cli = process.env.REACALC_CLI ?? process.argv[2];
const version = process.env.REACALC_VERSION ?? process.argv[3];
assert.ok(cli, 'set REACALC_CLI or pass the path of reacalc-cli');

const utf8 = (bytes) => new TextDecoder('utf-8', { fatal: true }).decode(bytes);
function run(args) {
  const p = spawnSync(cli, args, { maxBuffer: 1 << 24 });
  if (p.error) throw p.error;
  return { status: p.status, stdoutBytes: p.stdout, stdout: utf8(p.stdout), stderr: utf8(p.stderr) };
}
const show = (texts) => JSON.stringify(texts);

// What the program must do with four texts in table or CSV mode.
function expectedTable(texts, csv) {
  const result = calculate(texts);
  if ('message' in result) return { status: 1, stdout: '', stderr: `${result.message}\n` };
  const [sep, end] = csv ? [',', '\r\n'] : ['\t', '\n'];
  const lines = [['REA', 'BPS'], ...result.rows].map((cells) => cells.join(sep) + end);
  return { status: 0, stdout: lines.join(''), stderr: '' };
}

// Options before the values: "--" now and then, and always when a value
// could pass for an option.
const withOptions = (options, texts, i) =>
  (i % 2 || texts[0].startsWith('-') ? [...options, '--', ...texts] : [...options, ...texts]);

const groups = caseGroups();
const limit = (list) => list.slice(0, 10);

describe('table and CSV output match the model', () => {
  for (const [name, cases] of Object.entries(groups)) {
    test(`${name} (${cases.length} cases)`, () => {
      const wrong = [];
      cases.forEach((texts, i) => {
        const csv = i % 7 === 3;
        const got = run(withOptions(csv ? ['--csv'] : [], texts, i));
        const want = expectedTable(texts, csv);
        const { status, stdout, stderr } = got;
        try {
          assert.deepEqual({ status, stdout, stderr }, want);
        } catch {
          wrong.push({ args: show(texts), csv, got: { status, stdout, stderr }, want });
        }
      });
      assert.deepEqual(limit(wrong), []);
    });
  }

  // The groups must reach what they aim at, or a change of the generator
  // would quietly stop testing it.
  test('the cases reach every kind of result', () => {
    const all = Object.values(groups).flat().map(calculate);
    const rows = all.filter((r) => r.rows).map((r) => r.rows);
    const count = (pred) => all.filter(pred).length;
    assert.ok(rows.some((t) => t.length === 100), 'a table of 100 rows');
    assert.ok(rows.filter((t) => t.length === 1).length >= 20, 'one-row tables');
    assert.ok(rows.flat().filter(([, bps]) => bps === '0.000').length >= 20, 'BPS 0');
    // toFixed rounds ties up: where it differs, a tie went down to the even digit.
    const tiesDown = Object.values(groups).flat().map(parseCalcInputs).filter((p) => p.inputs)
      .flatMap((p) => breakpointTable(p.inputs)).filter((r) => formatBps(r.bps) !== r.bps.toFixed(3));
    assert.ok(tiesDown.length >= 10, 'ties at the third decimal');
    for (const message of ['baseRea', 'firingMode', 'FPS', 'REA %']) {
      assert.ok(count((r) => r.message === `Enter valid ${message} > 0`) >= 20, message);
    }
  });
});

// SVG mode is new: until reacalc-cli accepts --svg, its checks are skipped.
const hasSvg = run(['--svg', '0.45', '3', '60', '81']).status !== 2;
const svgSkip = hasSvg ? false : 'this reacalc-cli has no --svg';

describe('SVG mode', { skip: svgSkip }, () => {
  const svgCases = Object.values(groups).flatMap((cases) => cases.filter((_, i) => i % 3 === 0));
  const ends = new Map(); // scanned percentages -> where the last step ends

  test(`charts keep their promises (${svgCases.length} cases)`, () => {
    const wrong = [];
    svgCases.forEach((texts, i) => {
      const got = run(withOptions(['--svg'], texts, i));
      const parsed = parseCalcInputs(texts);
      if ('message' in parsed) {
        const want = { status: 1, stdout: '', stderr: `${parsed.message}\n` };
        const { status, stdout, stderr } = got;
        if (status !== 1 || stdout !== '' || stderr !== want.stderr) wrong.push({ args: show(texts), got: { status, stdout, stderr } });
        return;
      }
      const { problems, end } = checkSvg(got.stdoutBytes, parsed.inputs, calculate(texts).rows);
      if (got.status !== 0) problems.push(`exit status ${got.status}`);
      if (got.stderr !== '') problems.push(`stderr ${JSON.stringify(got.stderr)}`);
      const count = Math.min(parsed.inputs.reaLimit, 100);
      if (!ends.has(count)) ends.set(count, end);
      if (end !== ends.get(count)) problems.push(`last step ends at ${end}, at ${ends.get(count)} for another chart of ${count} %`);
      if (problems.length) wrong.push({ args: show(texts), problems: limit(problems) });
    });
    assert.deepEqual(limit(wrong), []);
  });

  test('the same arguments give the same bytes', () => {
    for (const texts of svgCases.slice(0, 25)) {
      assert.ok(run(['--svg', '--', ...texts]).stdoutBytes.equals(run(['--svg', '--', ...texts]).stdoutBytes), show(texts));
    }
  });

  test('--svg with --csv is wrong usage', () => {
    const usage = run([]).stderr;
    assert.match(usage, /^usage: /);
    for (const options of [['--svg', '--csv'], ['--csv', '--svg']]) {
      assert.deepEqual(run([...options, '0.45', '3', '60', '81']), { status: 2, stdoutBytes: Buffer.alloc(0), stdout: '', stderr: usage });
    }
  });

  test('--help mentions --svg', () => {
    const help = run(['--help']);
    assert.equal(help.status, 0);
    assert.match(help.stdout, /--svg/);
  });

  test('--version gives the project version', { skip: version ? false : 'no REACALC_VERSION' }, () => {
    const { status, stdout, stderr } = run(['--version']);
    assert.deepEqual({ status, stdout, stderr }, { status: 0, stdout: `reacalc-cli ${version}\n`, stderr: '' });
  });
});
