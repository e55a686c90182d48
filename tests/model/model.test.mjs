// Self-checks of the model on results known by hand, and against the
// JavaScript engine where the language itself guarantees exact results.
import assert from 'node:assert/strict';
import { describe, test } from 'node:test';

import {
  MESSAGES, breakpointTable, calculate, formatBps, parseBaseRea, parseCalcInputs,
  parseInt32Field, scanReal, toBits,
} from './reacalc_model.mjs';

const table = (baseRea, firingMode, fps, reaLimit) =>
  breakpointTable({ baseRea, firingMode, fps, reaLimit });
const rowsText = (rows) => rows.map((r) => `${r.rea} ${formatBps(r.bps)}`);
const defaultRows = ['0 6.667', '12 7.500', '23 8.571', '34 10.000', '45 12.000', '56 15.000',
  '67 20.000', '78 30.000'];

// Exact decimal text of mantissa x 2^exponent (exponent <= 0): mantissa x 5^k / 10^k.
function dyadicText(mantissa, exponent) {
  const k = -exponent;
  const digits = (mantissa * 5n ** BigInt(k)).toString().padStart(k + 1, '0');
  return `${digits.slice(0, digits.length - k)}.${digits.slice(digits.length - k)}`;
}
const fromBitsOf = (bits) => new Float64Array(new BigUint64Array([bits]).buffer)[0];
const MIN_SUBNORMAL = fromBitsOf(1n);
const DBL_MAX = fromBitsOf(0x7fefffffffffffffn);
// 1 + k x 2^-53: odd k are the halfway points between neighbours of 1.
const nearOne = (k) => dyadicText((1n << 53n) + BigInt(k), -53);
// DBL_MAX + 2^970 = (2^54 - 1) x 2^970, the halfway point to 2^1024.
const halfwayToOverflow = ((1n << 54n) - 1n) * (1n << 970n);

describe('breakpoint table', () => {
  const cases = [
    { name: 'defaults', inputs: [0.45, 3, 60, 81], rows: defaultRows },
    { name: 'reaLimit above 100 scans 0..99', inputs: [0.45, 3, 60, 250], rows: [...defaultRows, '89 60.000'] },
    { name: 'reciprocal then multiply keeps row 25', inputs: [0.1, 3, 120, 26], rows: ['0 30.000', '25 40.000'] },
    { name: 'below one frame is one frame', inputs: [0.01, 3, 30, 5], rows: ['0 30.000'] },
    { name: 'longer than fps frames is 0', inputs: [100, 1, 60, 100], rows: ['0 0.000'] },
    { name: 'infinite baseRea', inputs: [Infinity, 1, 60, 100], rows: ['0 0.000'] },
    { name: 'reaTime underflows', inputs: [MIN_SUBNORMAL, 1, 60, 100], rows: ['0 0.000'] },
    { name: 'reaLimit 1', inputs: [0.92, 1, 17, 1], rows: ['0 1.062'] },
  ];
  for (const { name, inputs, rows } of cases) {
    test(name, () => assert.deepEqual(rowsText(table(...inputs)), rows));
  }

  test('division first in factor, framesExact = fps / shotsPerSecond', () => {
    const at = (rows, rea) => rows.find((r) => r.rea === rea);
    assert.equal(at(table(0.1, 1, 120, 100), 25).bps, 120 / 9);
    const half = table(0.5, 1, 120, 100);
    assert.equal(at(half, 96).bps, 40);
    assert.equal(at(half, 95), undefined);
    assert.equal(at(half, 70).bps, 120 / 18);
  });
});

describe('cell texts', () => {
  const cases = [
    [60 / 9, '6.667'], [17 / 16, '1.062'], [19 / 16, '1.188'], [0.0625, '0.062'],
    [0.0005, '0.001'], [0, '0.000'], [2147483647, '2147483647.000'], [1.0005, '1.000'],
  ];
  for (const [x, text] of cases) test(`${x} -> ${text}`, () => assert.equal(formatBps(x), text));

  // toFixed also takes the exact binary value; only its ties go up. Doubles
  // from 2^-30 to 2^31 with random fraction bits are never ties, so the two
  // must agree.
  test('agrees with toFixed away from ties', () => {
    const next = lcg(7);
    for (let k = 0; k < 20000; k++) {
      const field = BigInt(1023 - 30 + (next() % 61));
      const x = fromBitsOf((field << 52n) | (BigInt(next() >>> 12) << 32n) | BigInt(next()));
      assert.equal(formatBps(x), x.toFixed(3), `${x}`);
    }
  });
});

describe('baseRea texts', () => {
  const accepted = [
    ['0.45', 0.45], ['.45', 0.45], ['+0.45', 0.45], ['45e-2', 0.45], [' \t\u3000 0.45', 0.45],
    ['1.', 1], ['0x10', 16], ['0X1.8P3', 12], ['0x.8', 0.5], ['0x1p-1074', MIN_SUBNORMAL],
    ['inf', Infinity], ['INFinity', Infinity], ['1e-310', fromBitsOf(0x12688b70e62bn)],
    ['\u0664\u0665e-\u0662', 0.45], ['0x\uff11\uff10', 16], ['1e999999999999', Infinity],
    [`0.${'0'.repeat(800)}45e800`, 0.45], [`${'9'.repeat(800)}e-800`, 1],
    // Halfway points go to the even neighbour; a digit beyond them decides.
    [nearOne(1), 1], [`${nearOne(1)}1`, 1 + 2 ** -52], [nearOne(3), 1 + 2 ** -51],
    ['2.4703282292062328e-324', MIN_SUBNORMAL], ['0x1.0000000000001p-1075', MIN_SUBNORMAL],
    ['0x3p-1076', MIN_SUBNORMAL], ['1.7976931348623158e308', DBL_MAX],
    [`${halfwayToOverflow - 1n}`, DBL_MAX], [`${halfwayToOverflow}`, Infinity],
    ['0x1.fffffffffffff7ffp1023', DBL_MAX], ['0x1.fffffffffffff8p1023', Infinity],
  ];
  for (const [text, value] of accepted) {
    test(`accepts ${JSON.stringify(text.slice(0, 40))}`, () => {
      const result = parseBaseRea(text);
      assert.ok('value' in result, 'rejected');
      assert.equal(toBits(result.value), toBits(value));
    });
  }

  const rejected = ['', ' ', '0', '-1', '-inf', 'nan', 'NaN(1_a)', 'nan(', '1e', '1e+', '.',
    '0x', '0x.', '0x1p', '0.45 ', '0,45', '0.45\u00a0', '\u200b0.45', '\ufeff1', '\u180e1',
    '\u0be71', '1\ud835\udfcf', '- 1', '+-1', 'infin', 'in', '0x1p-1075', '1e-99999999999',
    '2.4703282292062327e-324', '0e5', '0x0p0', '１,５'];
  for (const text of rejected) {
    test(`rejects ${JSON.stringify(text)}`, () =>
      assert.deepEqual(parseBaseRea(text), { message: MESSAGES.baseRea }));
  }

  // ECMAScript rounds decimal literals of up to 20 significant digits exactly.
  test('agrees with the engine on short decimal texts', () => {
    const next = lcg(11);
    for (let k = 0; k < 20000; k++) {
      const x = fromBitsOf((BigInt(next()) << 32n) | BigInt(next()));
      if (!Number.isFinite(x)) continue;
      const text = x.toPrecision(1 + (next() % 20)).replace('+', next() % 2 ? '+' : '');
      assert.equal(toBits(scanReal(text)), toBits(Number(text)), text);
    }
  });
});

describe('integer fields', () => {
  const m = 'message';
  const cases = [
    ['007', 7], ['+1', 1], [' 60', 60], ['\uff16\uff10', 60], ['6\uff10', 60], ['\u0967\u0e52', 12],
    ['2147483647', 2147483647], ['99999999999', 2147483647], [`+${'9'.repeat(300)}`, 2147483647],
    ['3.0', m], ['0x10', m], ['+', m], ['', m], ['0', m], ['-5', m], ['-99999999999', m],
    ['60 ', m], ['1e3', m], ['\u0be7', m], ['٣,٠', m],
  ];
  for (const [text, value] of cases) {
    test(`${JSON.stringify(text.slice(0, 20))} -> ${value}`, () =>
      assert.deepEqual(parseInt32Field(text, m), value === m ? { message: m } : { value }));
  }
});

describe('first bad field', () => {
  const good = ['0.45', '3', '60', '81'];
  const cases = [
    [['x', '0', '0', '0'], MESSAGES.baseRea], [['0.45', '3.0', '0', '0'], MESSAGES.firingMode],
    [['0.45', '3', '', '0'], MESSAGES.fps], [['0.45', '3', '60', '-1'], MESSAGES.reaLimit],
  ];
  for (const [texts, message] of cases) {
    test(message, () => assert.deepEqual(parseCalcInputs(texts), { message }));
  }
  test('all good', () => assert.deepEqual(parseCalcInputs(good),
    { inputs: { baseRea: 0.45, firingMode: 3, fps: 60, reaLimit: 81 } }));
  test('calculate gives the cell texts', () => assert.deepEqual(
    calculate(good).rows.map((r) => r.join(' ')), defaultRows));
});

// A small seeded generator (32-bit LCG, Numerical Recipes constants).
function lcg(seed) {
  let s = seed >>> 0;
  return () => (s = (Math.imul(s, 1664525) + 1013904223) >>> 0);
}
