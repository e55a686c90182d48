// The page in both colour schemes: axe-core finds no WCAG 2.2 AA fault in any
// state a user can bring about, the dark scheme really repaints the page and
// the chart, and the chart's colours keep their contrast there too.
import AxeBuilder from '@axe-core/playwright';

import { calculateButton, contrast, expect, fields, openPage, test } from './page_support.mjs';

const ANSWERS = '/?baseRea=0.45&firingMode=3&fps=60&rea=81&at=37&compare=120+144+240+30';
const TAGS = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa'];

// Each state as a user reaches it, from a freshly opened page.
const STATES = {
  'before Calculate': async () => {},
  'after Calculate': async (page) => {
    await calculateButton(page).click();
    await expect(page.locator('#chart svg')).toHaveCount(1);
  },
  'with a REA % and four compared frame rates': async (page) => {
    await page.goto(ANSWERS);
    await expect(page.locator('#chart g.series')).toHaveCount(5);
  },
  'with the message shown': async (page) => {
    await calculateButton(page).click();
    await fields(page)[2].fill('0');
    await calculateButton(page).click();
    await expect(page.getByRole('alert')).toHaveText('Enter valid FPS > 0');
  },
};

for (const scheme of ['light', 'dark']) {
  test.describe(`${scheme} scheme`, () => {
    test.use({ colorScheme: scheme });

    for (const [state, reach] of Object.entries(STATES)) {
      test(`axe finds no WCAG 2.2 AA violation ${state}`, async ({ page }) => {
        await openPage(page);
        await reach(page);
        const { violations } = await new AxeBuilder({ page }).withTags(TAGS).analyze();
        expect(violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`)).toEqual([]);
      });
    }
  });
}

// The colours that are actually painted, after the page's rules.
const painted = (page) => page.evaluate(() => {
  const chart = document.querySelector('#chart svg');
  const css = (selector, property) => getComputedStyle(chart.querySelector(selector))[property];
  return {
    page: getComputedStyle(document.documentElement).backgroundColor,
    text: getComputedStyle(document.body).color,
    head: getComputedStyle(document.querySelector('th')).backgroundColor,
    field: getComputedStyle(document.querySelector('input')).backgroundColor,
    chart: css(':scope > rect', 'fill'),
    heading: css('.heading', 'fill'),
    ticks: css('.ticks text', 'fill'),
    label: css('.axis-label text', 'fill'),
    line: css('.steps path', 'stroke'),
    dot: css('.steps circle', 'fill'),
    grid: css('.grid path', 'stroke'),
  };
});

test.describe('colours', () => {
  test('dark scheme repaints the page, the table, the fields and the chart', async ({ page }) => {
    const seen = {};
    for (const colorScheme of ['light', 'dark']) {
      await page.emulateMedia({ colorScheme });
      await openPage(page);
      await calculateButton(page).click();
      seen[colorScheme] = await painted(page);
    }
    // Light is the chart's own attributes, untouched by the page.
    expect(seen.light).toMatchObject({ chart: 'rgb(255, 255, 255)', line: 'rgb(31, 95, 191)',
      ticks: 'rgb(68, 68, 68)', grid: 'rgb(221, 221, 221)' });
    for (const key of Object.keys(seen.light)) {
      expect(seen.dark[key], `${key} in the dark`).not.toBe(seen.light[key]);
    }
  });

  for (const colorScheme of ['light', 'dark']) {
    test(`${colorScheme}: chart text at 4.5:1 and its line at 3:1 or more`, async ({ page }) => {
      await page.emulateMedia({ colorScheme });
      await openPage(page);
      await calculateButton(page).click();
      const c = await painted(page);
      for (const key of ['heading', 'ticks', 'label']) {
        expect(contrast(c[key], c.chart), key).toBeGreaterThanOrEqual(4.5);
      }
      for (const key of ['line', 'dot']) expect(contrast(c[key], c.chart), key).toBeGreaterThanOrEqual(3);
      expect(contrast(c.text, c.page), 'page text').toBeGreaterThanOrEqual(4.5);
    });
  }
});

test.describe('colours of the answers', () => {
  for (const colorScheme of ['light', 'dark']) {
    test(`${colorScheme}: every series, the legend, the marker and the row in effect keep their contrast`, async ({ page }) => {
      await page.emulateMedia({ colorScheme });
      await openPage(page, ANSWERS);
      const c = await page.evaluate(() => {
        const chart = document.querySelector('#chart svg');
        const style = (e) => getComputedStyle(e);
        const current = document.querySelector('tr[aria-current="true"] td');
        return {
          chart: style(chart.querySelector(':scope > rect')).fill,
          series: [...chart.querySelectorAll('g.series path')].map((p) => style(p).stroke),
          legend: [...chart.querySelectorAll('.legend text')].map((t) => style(t).fill),
          marker: style(chart.querySelector('.at path')).stroke,
          current: [style(current).color, style(current).backgroundColor],
        };
      });
      expect(new Set(c.series).size, 'five distinct series colours').toBe(5);
      for (const line of new Set(c.series)) expect(contrast(line, c.chart), line).toBeGreaterThanOrEqual(3);
      for (const text of c.legend) expect(contrast(text, c.chart), 'legend').toBeGreaterThanOrEqual(4.5);
      expect(contrast(c.marker, c.chart), 'marker').toBeGreaterThanOrEqual(3);
      expect(contrast(...c.current), 'row in effect').toBeGreaterThanOrEqual(4.5);
    });
  }
});
