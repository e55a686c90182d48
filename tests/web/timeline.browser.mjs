// The shot timeline under the chart: the picture reacalc-cli --svg --timeline P
// writes, its sentence, and its colours in both schemes.
import { execFileSync } from 'node:child_process';
import { fileURLToPath } from 'node:url';

import { calculateButton, contrast, expect, openPage, test } from './page_support.mjs';

const cli = (args) => execFileSync(fileURLToPath(new URL('../../build/linux/reacalc-cli', import.meta.url)), args).toString();
const link = (texts) => `/?${new URLSearchParams(['baseRea', 'firingMode', 'fps', 'rea', 'at', 'compare']
  .map((name, i) => [name, texts[i]]).filter(([, t], i) => i < 4 || t !== ''))}`;

// The page's picture and the CLI's, each parsed as SVG and written out again
// by the same browser, beside the sentence shown above it.
const shown = (page, cliSvg) => page.locator('#timeline').evaluate((figure, text) => {
  const write = (svg) => new XMLSerializer().serializeToString(svg);
  const parsed = new DOMParser().parseFromString(text, 'image/svg+xml').documentElement;
  return { sentence: figure.querySelector('figcaption').textContent, page: write(figure.querySelector('svg')),
    cli: write(parsed), title: parsed.querySelector('title').textContent };
}, cliSvg);

test('the timeline is the CLI\'s picture, with its sentence', async ({ page }) => {
  for (const texts of [['0.45', '3', '60', '81', '44', '120 144'], ['100', '1', '60', '100', '5', ''],
    ['2147483647', '1', '2147483647', '1', '0', '']]) {
    await openPage(page, link(texts));
    await expect(page.locator('#timeline svg')).toHaveCount(1);
    const c = await shown(page, cli(['--svg', '--timeline', texts[4], '--', ...texts.slice(0, 4)]));
    expect(c.page, texts.join(' ')).toBe(c.cli);
    expect(c.title, texts.join(' ')).toContain(c.sentence);
    await expect(page.locator('#chart svg')).toHaveCount(1);
  }
  // No REA %: no timeline; a failing Calculate keeps the last one.
  await page.getByLabel('Your REA %:').fill('');
  await calculateButton(page).click();
  await expect(page.locator('#timeline')).toBeHidden();
  await expect(page.locator('#timeline svg')).toHaveCount(0);
});

for (const colorScheme of ['light', 'dark']) {
  test(`${colorScheme}: the timeline's text at 4.5:1 and its marks at 3:1 or more`, async ({ page }) => {
    await page.emulateMedia({ colorScheme });
    await openPage(page, link(['0.45', '3', '60', '81', '44', '']));
    const c = await page.locator('#timeline svg').evaluate((svg) => {
      const style = (selector) => getComputedStyle(svg.querySelector(selector));
      return {
        page: style('.page').fill,
        text: [...svg.querySelectorAll('.labels text')].map((t) => getComputedStyle(t).fill),
        marks: ['.ready', '.leave', '.drift'].map((layer) => style(layer).color),
      };
    });
    for (const text of new Set(c.text)) expect(contrast(text, c.page), `text ${text}`).toBeGreaterThanOrEqual(4.5);
    for (const mark of c.marks) expect(contrast(mark, c.page), `mark ${mark}`).toBeGreaterThanOrEqual(3);
    if (colorScheme === 'dark') expect(contrast(c.page, 'rgb(255, 255, 255)')).toBeGreaterThan(10);
  });
}
