// The real page, driven as a user drives it, held against the independent
// model for several hundred seeded inputs: the fields filled and Calculate
// clicked or Enter pressed, or the texts opened as a share link. For each
// case the whole table, the alert, the chart's rows, the fields and the link
// must be what the model says; after an error, what was shown before.
import { caseGroups, prng } from '../cli/cli_cases.mjs';
import {
  MAX_UNITS, PARAMS, asInputKeeps, calculateButton, chartOf, expect, fields, modelAnswer,
  openPage, readPage, shareLink, sharedTexts, test,
} from './page_support.mjs';

const r = prng(20261209);
const groups = caseGroups(20261209);

// The page's own trouble spots, beyond what the CLI's groups aim at.
const onlyByLink = (t) => t.length > MAX_UNITS || /[\0\r\n]/.test(t);
const pageGroups = {
  // Text past the 63rd unit must not count, whether it would fix or break the field.
  cut: Array.from({ length: 24 }, () => {
    const texts = ['0.45', '3', '60', '81'];
    const k = r.int(0, 3);
    const pad = k === 0 ? '0.'.padEnd(r.int(55, 63), '0') + '45' : '0'.repeat(r.int(55, 64)) + texts[k];
    texts[k] = pad + r.pick(['', 'junk', '9'.repeat(r.int(1, 20)), ' ', '\u{1f600}', 'e5']);
    return texts;
  }),
  // U+0000, CR and LF arrive only by a link: the first fails its field, the others vanish.
  controls: Array.from({ length: 18 }, () => {
    const texts = ['0.45', '3', '60', '81'].map((t) => (r.chance(0.6) ? t : String(r.int(1, 200))));
    const k = r.int(0, 3);
    const at = r.int(0, texts[k].length);
    texts[k] = texts[k].slice(0, at) + r.pick(['\0', '\n', '\r', '\r\n', '\0\0', '\n\n']) + texts[k].slice(at);
    return texts;
  }),
};

// About 400 cases in all: a share link costs a page load, so the groups
// that need one (halfway, cut, controls) are the smaller ones.
const sizes = { known: 13, hundredRows: 20, random: 76, ties: 20, saturated: 20, extremes: 30,
  halfway: 24, invalid: 60, scripts: 50, junk: 45 };
const selected = {
  ...Object.fromEntries(Object.entries(sizes).map(([name, n]) => [name, groups[name].slice(0, n)])),
  ...pageGroups,
};

const show = (texts) => JSON.stringify(texts);
const queryOf = (values) => `?${new URLSearchParams(PARAMS.map((name, i) => [name, values[i]]))}`;

// What the page must show now, given what it showed before.
function expected(values, before) {
  const answer = modelAnswer(values);
  if (answer.message) return { ...before, message: answer.message, values };
  return { rows: answer.rows, message: '', chart: chartOf(answer.rows), values, search: queryOf(values) };
}

test.describe('the page against the model', () => {
  // Each group opens its own page: the groups can share the two workers.
  test.describe.configure({ mode: 'parallel' });

  for (const [name, cases] of Object.entries(selected)) {
    test(`${name} (${cases.length} cases)`, async ({ page }) => {
      const wrong = [];
      let shown = null; // what the page shows: rows, message, chart, values, search
      const inputs = fields(page);
      for (const [i, texts] of cases.entries()) {
        let values;
        let how;
        if (shown === null || i % 10 === 9 || texts.some(onlyByLink)) {
          how = 'link';
          const link = shareLink(texts);
          await openPage(page, link);
          values = sharedTexts(texts);
          shown = { rows: [], message: '', chart: [], search: link.slice(1) };
        } else {
          // Only the fields that change, as a user would.
          for (let k = 0; k < 4; k++) if (texts[k] !== shown.values[k]) await inputs[k].fill(texts[k]);
          values = texts.map(asInputKeeps);
          if (i % 3 === 0) {
            how = 'click';
            await calculateButton(page).click();
          } else {
            how = `Enter in field ${i % 4}`;
            await inputs[i % 4].press('Enter');
          }
        }
        const got = await readPage(page);
        const want = expected(values, shown);
        const same = (a, b) => ['rows', 'message', 'chart', 'values', 'search']
          .every((key) => JSON.stringify(a[key]) === JSON.stringify(b[key]));
        if (!same(got, want)) {
          wrong.push({ texts: show(texts), how, got, want });
        }
        shown = want;
      }
      expect(wrong.slice(0, 5), `${wrong.length} of ${cases.length} cases differ`).toEqual([]);
    });
  }

  // The groups must reach what they aim at, or a change of the generators
  // would quietly stop testing it.
  test('the cases reach every kind of result', () => {
    const all = Object.values(selected).flat();
    const answers = all.map((texts) =>
      modelAnswer(texts.some(onlyByLink) ? sharedTexts(texts) : texts));
    const tables = answers.filter((a) => a.rows).map((a) => a.rows);
    expect(all.length).toBeGreaterThanOrEqual(400);
    expect(tables.filter((t) => t.length === 100).length).toBeGreaterThanOrEqual(10);
    expect(tables.filter((t) => t.length === 1).length).toBeGreaterThanOrEqual(10);
    expect(tables.flat().filter(([, bps]) => bps === '0.000').length).toBeGreaterThanOrEqual(10);
    for (const message of ['baseRea', 'firingMode', 'FPS', 'REA %']) {
      expect(answers.filter((a) => a.message === `Enter valid ${message} > 0`).length, message)
        .toBeGreaterThanOrEqual(15);
    }
    expect(all.filter((t) => t.some((text) => text.length > MAX_UNITS)).length).toBeGreaterThanOrEqual(30);
  });
});
