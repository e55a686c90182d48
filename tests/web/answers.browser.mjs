// The player's answers on the page: the REA % they stand at (status sentence,
// row in effect, chart marker) and frame rates side by side (columns,
// series), with share links and errors.
import {
  DEFAULT_ROWS, PARAMS, calculateButton, expect, modelAnswer, openPage, readPage, test,
} from './page_support.mjs';

const ALL = [...PARAMS, 'at', 'compare'];
const linkOf = (texts) =>
  `/?${new URLSearchParams(ALL.map((name, i) => [name, texts[i]]).filter(([, t], i) => i < 4 || t !== ''))}`;
const at = (page) => page.getByLabel('Your REA %:', { exact: true });
const compare = (page) => page.getByLabel('Compare Fps:', { exact: true });
const d = ['0.45', '3', '60', '81'];

// What the page shows that the model decides, in the model's terms.
const shown = (got) => ({ headers: got.headers, rows: got.rows, current: got.current,
  status: got.status, marker: got.marker, series: got.series });
const wanted = (m) => ({ headers: m.headers, rows: m.rows, current: m.current, status: m.status,
  marker: m.marker === null ? [] : [String(m.marker)], series: m.series });

test.describe('the player\'s answers', () => {
  test('two empty optional fields with their labels; empty means off', async ({ page }) => {
    await openPage(page);
    for (const field of [at(page), compare(page)]) {
      await expect(field).toHaveValue('');
      await expect(field).toHaveAttribute('maxlength', '63');
    }
    await calculateButton(page).click();
    const got = await readPage(page, ALL);
    expect(got.rows).toEqual(DEFAULT_ROWS);
    expect([got.status, got.currentCount, got.marker, got.series]).toEqual(['', 0, [], []]);
    expect(got.search).toBe('?baseRea=0.45&firingMode=3&fps=60&rea=81');
  });

  test('where I stand: the sentence, the row in effect and the marker', async ({ page }) => {
    const cases = [
      [[...d, '37', ''], 'At 37 %: 10.000 BPS (6 frames a shot) since 34 %. Next framebreak at 45 % (+8): 12.000 BPS (5 frames a shot).', 3],
      [[...d, '80', ''], 'At 80 %: 30.000 BPS (2 frames a shot) since 78 %. No further framebreak up to 80 %.', 7],
      [['100', '1', '60', '100', '5', ''], 'At 5 %: 0.000 BPS since 0 %. No further framebreak up to 99 %.', 0],
    ];
    await openPage(page);
    for (const [texts, sentence, current] of cases) {
      for (const [i, name] of ALL.entries()) await page.locator(`#${name}`).fill(texts[i]);
      await at(page).press('Enter');
      await expect(page.locator('#standing')).toHaveText(sentence);
      const got = await readPage(page, ALL);
      expect([got.current, got.currentCount, got.marker]).toEqual([current, 1, [texts[4]]]);
      expect(got.search).toBe(linkOf(texts).slice(1));
      // Visibly marked, not only for a screen reader.
      const row = page.locator('tbody tr[aria-current="true"] td').first();
      const plain = page.locator('tbody tr:not([aria-current]) td').first();
      const background = (l) => l.evaluate((td) => getComputedStyle(td).backgroundColor);
      if (got.rows.length > 1) expect(await background(row)).not.toBe(await background(plain));
    }
    await at(page).fill('');
    await calculateButton(page).click();
    expect((await readPage(page, ALL)).status).toBe('');
    expect((await readPage(page, ALL)).currentCount).toBe(0);
  });

  test('frame rates side by side: one BPS column and one chart series each', async ({ page }) => {
    await openPage(page, linkOf([...d, '37', '120, 144 60']));
    const got = await readPage(page, ALL);
    expect(got.headers).toEqual(['REA', 'BPS @ 60', 'BPS @ 120', 'BPS @ 144']);
    expect(got.rows[0]).toEqual(['0', '6.667', '6.667', '6.545']);
    expect(got.series).toEqual(['60', '120', '144']);
    expect(shown(got)).toEqual(wanted(modelAnswer([...d, '37', '120, 144 60'])));
    await expect(page.locator('legend, #chart text').filter({ hasText: /^144 fps$/ })).toHaveCount(1);
  });

  test('a bad REA % or list: its message, and everything shown before stays', async ({ page }) => {
    await openPage(page, linkOf([...d, '37', '120']));
    const before = await readPage(page, ALL);
    const chartBefore = await page.locator('#chart').innerHTML();
    for (const [field, text, message] of [
      ['at', '81', 'Enter your REA % from 0 to 80'], ['at', '-1', 'Enter your REA % from 0 to 80'],
      ['at', ' ', 'Enter your REA % from 0 to 80'], ['compare', '6e1', 'Enter 1 to 4 frame rates > 0 to compare'],
      ['compare', '60;120', 'Enter 1 to 4 frame rates > 0 to compare'],
      ['compare', '1 2 3 4 5', 'Enter 1 to 4 frame rates > 0 to compare']]) {
      await page.locator(`#${field}`).fill(text);
      await calculateButton(page).click();
      await expect(page.getByRole('alert')).toHaveText(message);
      const got = await readPage(page, ALL);
      expect({ ...shown(got), search: got.search }).toEqual({ ...shown(before), search: before.search });
      expect(await page.locator('#chart').innerHTML()).toBe(chartBefore);
      await page.locator(`#${field}`).fill(field === 'at' ? '37' : '120');
    }
    // A bad main field is named before a bad answer.
    await page.locator('#fps').fill('0');
    await at(page).fill('x');
    await calculateButton(page).click();
    await expect(page.getByRole('alert')).toHaveText('Enter valid FPS > 0');
  });

  test('a phone keeps a four-rate comparison within 360 px', async ({ browser }) => {
    const page = await browser.newPage({ viewport: { width: 360, height: 640 } });
    await openPage(page, linkOf([...d, '37', '30 120 144 240']));
    expect((await readPage(page, ALL)).headers).toHaveLength(6);
    expect(await page.evaluate(() => document.documentElement.scrollWidth)).toBeLessThanOrEqual(360);
    await page.close();
  });
});
