// reacalc-cli's answers to the player's questions (--frames, --at, --compare,
// and the last two on the chart), held against the independent model for a
// few hundred seeded inputs: exit status, stdout and stderr to the byte.
//   node tests/cli/answers_blackbox.test.mjs build/linux/reacalc-cli
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { test } from 'node:test';

import {
  compare, framesText, inEffect, parseFrameRates, parseStanding, standing,
} from '../model/answers_model.mjs';
import { breakpointTable, formatBps, parseCalcInputs } from '../model/reacalc_model.mjs';
import { answerCases } from './answer_cases.mjs';
import { allElements, parseXml, textOf } from './xml_strict.mjs';

const cli = process.env.REACALC_CLI ?? process.argv[2];
assert.ok(cli, 'set REACALC_CLI or pass the path of reacalc-cli');

const utf8 = (bytes) => new TextDecoder('utf-8', { fatal: true }).decode(bytes);
function run(args) {
  const p = spawnSync(cli, args, { maxBuffer: 1 << 24 });
  if (p.error) throw p.error;
  return { status: p.status, stdout: utf8(p.stdout), stderr: utf8(p.stderr) };
}
const fail = (message) => ({ status: 1, stdout: '', stderr: `${message}\n` });

// What the program must print for one question: 'frames', 'at' or 'compare'.
function expected(texts, question, csv) {
  const parsed = parseCalcInputs(texts.slice(0, 4));
  if ('message' in parsed) return fail(parsed.message);
  const { inputs } = parsed;
  const [sep, end] = csv ? [',', '\r\n'] : ['\t', '\n'];
  const out = (lines) => ({ status: 0, stdout: lines.map((l) => l.join(sep) + end).join(''), stderr: '' });
  if (question === 'frames') {
    const rows = breakpointTable(inputs);
    return out([['REA', 'BPS', 'FRAMES'], ...rows.map((r) => [String(r.rea), formatBps(r.bps), framesText(r, inputs)])]);
  }
  if (question === 'at') {
    const p = parseStanding(texts[4], inputs);
    if ('message' in p) return fail(p.message);
    const { since, next } = standing(inputs, p.value);
    return out([['AT', 'BPS', 'FRAMES', 'SINCE', 'NEXT', 'NEXT_BPS', 'NEXT_FRAMES'],
      [String(p.value), since.bps, since.frames, since.rea, next?.rea ?? '', next?.bps ?? '', next?.frames ?? '']]);
  }
  const l = parseFrameRates(texts[5]);
  if ('message' in l) return fail(l.message);
  const { series, percents } = compare(inputs, l.value);
  return out([['REA', ...series.map((s) => `BPS@${s.fps}`)],
    ...percents.map((p) => [String(p), ...series.map((s) => formatBps(inEffect(s.rows, p).bps))])]);
}

const cases = answerCases(20261209, 240);
const questions = (texts) => [...(texts[4] ? ['at'] : []), ...(texts[5] ? ['compare'] : []), 'frames'];

test(`--frames, --at and --compare match the model (${cases.length} cases)`, () => {
  const wrong = [];
  cases.forEach((texts, i) => {
    for (const question of questions(texts)) {
      const csv = i % 5 === 2;
      const option = { frames: ['--frames'], at: ['--at', texts[4]], compare: ['--compare', texts[5]] }[question];
      const got = run([...(csv ? ['--csv'] : []), ...option, '--', ...texts.slice(0, 4)]);
      const want = expected(texts, question, csv);
      if (JSON.stringify(got) !== JSON.stringify(want)) wrong.push({ texts, question, csv, got, want });
    }
  });
  assert.deepEqual(wrong.slice(0, 5), []);
});

test('the chart carries the marker and one series per frame rate', () => {
  const wrong = [];
  for (const texts of cases.filter((t, i) => i % 3 === 0 && (t[4] || t[5]))) {
    const parsed = parseCalcInputs(texts.slice(0, 4));
    const question = texts[4] ? 'at' : 'compare';
    const got = run(['--svg', ...(question === 'at' ? ['--at', texts[4]] : ['--compare', texts[5]]), '--', ...texts.slice(0, 4)]);
    const value = 'inputs' in parsed &&
      (question === 'at' ? parseStanding(texts[4], parsed.inputs) : parseFrameRates(texts[5]));
    if (!value || 'message' in value) {
      if (got.status !== 1 || got.stdout !== '') wrong.push({ texts, status: got.status });
      continue;
    }
    const root = parseXml(got.stdout);
    const all = [...allElements(root)];
    const problems = [];
    if (question === 'at') {
      const markers = all.filter((e) => e.attrs.class === 'at');
      if (markers.length !== 1 || markers[0].attrs['data-rea'] !== String(value.value)) problems.push('marker');
      else if (!textOf(markers[0]).includes(`${value.value} %`)) problems.push('marker label');
    } else {
      const { series } = compare(parsed.inputs, value.value);
      const groups = all.filter((e) => e.attrs.class === 'series');
      const seen = groups.map((g) => g.attrs['data-fps']);
      if (JSON.stringify(seen) !== JSON.stringify(series.map((s) => String(s.fps)))) problems.push(`series ${seen}`);
      groups.forEach((g, k) => {
        const rows = [...allElements(g)].filter((e) => e.attrs.class === 'row')
          .map((e) => [e.attrs['data-rea'], e.attrs['data-bps']]);
        const want = (series[k]?.rows ?? []).map((r) => [String(r.rea), formatBps(r.bps)]);
        if (JSON.stringify(rows) !== JSON.stringify(want)) problems.push(`rows of series ${k}`);
      });
      const legend = all.filter((e) => e.name === 'text').map(textOf);
      for (const s of series) if (!legend.includes(`${s.fps} fps`)) problems.push(`legend ${s.fps}`);
    }
    if (got.status !== 0 || got.stderr !== '') problems.push(`exit ${got.status}`);
    if (problems.length) wrong.push({ texts, problems });
  }
  assert.deepEqual(wrong.slice(0, 5), []);
});

test('the cases reach every kind of answer', () => {
  const kinds = cases.flatMap((texts) => questions(texts).map((q) => expected(texts, q, false)));
  const count = (re) => kinds.filter((k) => re.test(k.stdout + k.stderr)).length;
  assert.ok(count(/^Enter your REA %/) >= 10, 'bad REA %');
  assert.ok(count(/^Enter 1 to 4/) >= 10, 'bad lists');
  assert.ok(count(/^AT\t.*\n\d+\t[\d.]+\t\d*\t\d+\t\t\t\n$/) >= 3, 'no next framebreak');
  assert.ok(count(/BPS@\d+\tBPS@\d+\tBPS@\d+\tBPS@/) >= 5, 'four or five series');
  assert.ok(count(/\t0\.000\t\n/) >= 3, 'empty frames');
});
