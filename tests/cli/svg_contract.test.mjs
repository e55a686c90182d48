// The chart checker on hand-made charts: a faithful one passes, and each
// single breach of the chart's promises is reported.
import assert from 'node:assert/strict';
import { describe, test } from 'node:test';

import { calculate, parseCalcInputs } from '../model/reacalc_model.mjs';
import { checkSvg } from './svg_contract.mjs';

// A small chart drawn the way reacalc-cli promises to: one step per row.
function sampleSvg(texts) {
  const { inputs } = parseCalcInputs(texts);
  const { rows } = calculate(texts);
  const count = Math.min(inputs.reaLimit, 100);
  const top = Math.max(...rows.map(([, bps]) => Number(bps)), 1);
  const x = (rea) => (40 + 6 * rea).toFixed(1);
  const y = (bps) => (220 - (200 * Number(bps)) / top).toFixed(3);
  const baseRea = inputs.baseRea === Infinity ? 'inf' : String(inputs.baseRea);
  const steps = rows.map(([rea, bps], i) => {
    const end = i + 1 < rows.length ? x(rows[i + 1][0]) : x(count);
    const riser = i === 0 ? '' : ` V ${y(bps)}`;
    const from = i === 0 ? y(bps) : y(rows[i - 1][1]);
    return `<g class="row" data-rea="${rea}" data-bps="${bps}"><title>${rea} %: ${bps} BPS</title>` +
      `<path d="M ${x(rea)} ${from}${riser} H ${end}" fill="none" stroke="currentColor"/>` +
      `<circle cx="${x(rea)}" cy="${y(bps)}" r="2"/></g>\n`;
  });
  return '<svg xmlns="http://www.w3.org/2000/svg" version="1.1" viewBox="0 0 700 240">\n' +
    `<title>Framebreaks for BaseRea ${baseRea}, FiringMode ${inputs.firingMode}, Fps ${inputs.fps}, Rea ${inputs.reaLimit}</title>\n` +
    `<text x="40" y="235">REA % &amp; BPS</text>\n${steps.join('')}</svg>\n`;
}

const check = (svg, texts) => {
  const bytes = typeof svg === 'string' ? new TextEncoder().encode(svg) : svg;
  return checkSvg(bytes, parseCalcInputs(texts).inputs, calculate(texts).rows).problems;
};
const defaults = ['0.45', '3', '60', '81'];

describe('a faithful chart passes', () => {
  for (const texts of [defaults, ['0.45', '3', '60', '250'], ['inf', '1', '60', '5'], ['1e-310', '7', '99', '1']]) {
    test(texts.join(' '), () => assert.deepEqual(check(sampleSvg(texts), texts), []));
  }
});

describe('each breach is reported', () => {
  const good = sampleSvg(defaults);
  const breaches = [
    ['width on the root', (s) => s.replace('version=', 'width="700" version=')],
    ['no version', (s) => s.replace(' version="1.1"', '')],
    ['a script', (s) => s.replace('</svg>', '<script>alert(1)</script></svg>')],
    ['an event handler', (s) => s.replace('<circle ', '<circle onclick="x()" ')],
    ['a style attribute', (s) => s.replace('<circle ', '<circle style="fill:red" ')],
    ['a style element', (s) => s.replace('</svg>', '<style>g{}</style></svg>')],
    ['a link', (s) => s.replace('<circle ', '<circle href="#a" ')],
    ['url(', (s) => s.replace('fill="none"', 'fill="url(#g)"')],
    ['foreignObject', (s) => s.replace('</svg>', '<foreignObject/></svg>')],
    ['a comment', (s) => s.replace('</svg>', '<!-- x --></svg>')],
    ['a processing instruction', (s) => `<?xml version="1.0"?>${s}`],
    ['a character reference', (s) => s.replace('&amp;', '&#38;')],
    ['a single-quoted attribute', (s) => s.replace('r="2"', "r='2'")],
    ['an unclosed element', (s) => s.replace('</g>', '')],
    ['text after the root', (s) => `${s}x`],
    ['no final newline', (s) => s.slice(0, -1)],
    ['heading baseRea off by one bit', (s) => s.replace('BaseRea 0.45,', 'BaseRea 0.45000000000000007,')],
    ['heading Rea', (s) => s.replace('Rea 81<', 'Rea 80<')],
    ['heading not first', (s) => s.replace('<title>Frame', '<desc/><title>Frame')],
    ['a BPS cell', (s) => s.replace('data-bps="7.500"', 'data-bps="7.5"')],
    ['a row tooltip', (s) => s.replace('12 %: 7.500 BPS', '12%: 7.500 BPS')],
    ['an extra carrier', (s) => s.replace('<text ', '<text data-rea="1" ')],
    ['a missing row', (s) => s.replace(/<g class="row" data-rea="23"[^\n]*\n/, '')],
    ['an exponent in a path', (s) => s.replace('M 40.0 ', 'M 4e1 ')],
    ['a relative command', (s) => s.replace(' H 112.0', ' h 72')],
    ['a riser from the wrong level', (s) => s.replace(/(data-rea="12".*?d="M 112\.0 )[0-9.]+/, '$1100')],
    ['a circle off the step', (s) => s.replace('<circle cx="112.0"', '<circle cx="112.5"')],
    ['a gap between steps', (s) => s.replace('H 112.0"', 'H 111.0"')],
    ['invalid UTF-8', (s) => new Uint8Array([...new TextEncoder().encode(s.slice(0, -7)), 0xff, ...new TextEncoder().encode('</svg>\n')])],
  ];
  for (const [name, breach] of breaches) {
    test(name, () => {
      const broken = breach(good);
      assert.notEqual(broken, good, 'the breach changed nothing');
      assert.notDeepEqual(check(broken, defaults), []);
    });
  }

  test('higher BPS drawn lower', () => {
    const flipped = good.replace(/(M [0-9.]+ |V |cy=")([0-9.]+)/g, (_, k, y) => `${k}${(240 - Number(y)).toFixed(3)}`);
    assert.ok(check(flipped, defaults).some((p) => p.startsWith('BPS')));
  });
});
