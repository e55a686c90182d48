// What the browser tests share: the four fields as a user finds them, one
// read of everything the page shows, and what the independent model says the
// page must show for four texts.
import { test as base, expect } from '@playwright/test';

import { calculatePage } from '../model/answers_model.mjs';

/**
 * `test` with a page that records every request and every console error or
 * page error; after each test all requests must have gone to the test server
 * and nothing may have been reported.
 */
export const test = base.extend({
  page: async ({ page, baseURL }, use) => {
    const origin = new URL(baseURL).origin;
    const foreign = [];
    const errors = [];
    page.on('request', (request) => {
      if (new URL(request.url()).origin !== origin) foreign.push(request.url());
    });
    page.on('console', (m) => {
      if (m.type() === 'error') errors.push(`console error: ${m.text()}`);
    });
    page.on('pageerror', (error) => errors.push(`page error: ${error.message}`));
    await use(page);
    expect(foreign, 'requests to another origin').toEqual([]);
    expect(errors, 'console and page errors').toEqual([]);
  },
});
export { expect };

export const LABELS = ['BaseRea:', 'FiringMode:', 'Fps:', 'Rea:'];
export const PARAMS = ['baseRea', 'firingMode', 'fps', 'rea'];
export const DEFAULTS = ['0.45', '3', '60', '81'];
export const MAX_UNITS = 63;

export const DEFAULT_ROWS = [['0', '6.667', '9'], ['12', '7.500', '8'], ['23', '8.571', '7'],
  ['34', '10.000', '6'], ['45', '12.000', '5'], ['56', '15.000', '4'], ['67', '20.000', '3'],
  ['78', '30.000', '2']];

export const fields = (page) => LABELS.map((label) => page.getByLabel(label, { exact: true }));
export const calculateButton = (page) => page.getByRole('button', { name: 'Calculate' });

/**
 * Opens `path` and waits until the WebAssembly is ready (the page then has
 * enabled Calculate and, for a share link, calculated).
 */
export async function openPage(page, path = '/') {
  await page.goto(path);
  await expect(page.locator('html')).toHaveAttribute('data-ready', 'true');
}

export async function fillFields(page, texts) {
  const inputs = fields(page);
  for (let i = 0; i < 4; i++) await inputs[i].fill(texts[i]);
}

export const shareLink = (texts) =>
  `/?${new URLSearchParams(PARAMS.map((name, i) => [name, texts[i]]))}`;

/**
 * Everything the page shows, read in one call: the table's rows (cell texts),
 * the alert, the chart's rows (data-rea, data-bps, title), the values of the
 * fields named by `params`, the link's query, the table's headers, the row in
 * effect, the status, and the chart's marker and series.
 */
// The page writes the share link into the address after the frame that
// draws the answer: the next frame and a task later, it is there.
/** The address once the last Calculate's share link is in it. */
export const shownUrl = (page) => page.evaluate(() => new Promise((resolve) =>
  requestAnimationFrame(() => setTimeout(() => resolve(location.href)))));

export function readPage(page, params = PARAMS) {
  return page.locator('main').evaluate(async (main, params) => ({
    search: await new Promise((resolve) => requestAnimationFrame(() => setTimeout(() => resolve(location.search)))),
    rows: [...main.querySelectorAll('tbody tr')].map((tr) => [...tr.cells].map((td) => td.textContent)),
    message: main.querySelector('[role=alert]').textContent,
    chart: [...main.querySelectorAll('#chart g.row')].map((g) =>
      [g.getAttribute('data-rea'), g.getAttribute('data-bps'), g.querySelector('title')?.textContent]),
    values: params.map((id) => main.querySelector(`#${id}`).value),
    headers: [...main.querySelectorAll('thead th')].map((th) => th.textContent),
    current: [...main.querySelectorAll('tbody tr')].findIndex((tr) => tr.getAttribute('aria-current') === 'true'),
    currentCount: main.querySelectorAll('[aria-current]').length,
    status: main.querySelector('[role=status]').textContent,
    marker: [...main.querySelectorAll('#chart .at')].map((g) => g.getAttribute('data-rea')),
    series: [...main.querySelectorAll('#chart g.series')].map((g) => g.getAttribute('data-fps')),
  }), params);
}

/** The chart rows that go with table rows: [rea, bps, "R %: B BPS"]. */
export const chartOf = (rows) => rows.map(([rea, bps]) => [rea, bps, `${rea} %: ${bps} BPS`]);

// An <input type=text> drops CR and LF from any value it is given.
export const asInputKeeps = (text) => text.replace(/[\r\n]/g, '');

/** The texts a share link leaves in the fields: cut to 63 units, then CR/LF dropped. */
export const sharedTexts = (texts) => texts.map((t) => asInputKeeps(t.slice(0, MAX_UNITS)));

/**
 * What the page must show for the texts in its fields (four, or six with the
 * REA % and Compare Fps): {message} or {headers, rows, current, status,
 * marker, series}. The model ends a text at U+0000, as a C string would; the
 * page instead fails the field holding one, so such a text is given to the
 * model as a text that fails its field.
 */
export function modelAnswer(texts) {
  const six = [...texts, '', ''].slice(0, 6);
  return calculatePage(six.map((t) => (t.includes('\0') ? 'x' : t)));
}

/** WCAG's contrast ratio of two "rgb(r, g, b)" colours. */
export function contrast(a, b) {
  const luminance = (rgb) => {
    const [r, g, bl] = rgb.match(/\d+(\.\d+)?/g).slice(0, 3).map((v) => {
      const c = Number(v) / 255;
      return c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4;
    });
    return 0.2126 * r + 0.7152 * g + 0.0722 * bl;
  };
  const [hi, lo] = [luminance(a), luminance(b)].sort((x, y) => y - x);
  return (hi + 0.05) / (lo + 0.05);
}
