// The page as a user meets it: the fields, Calculate, the alert, the table,
// the chart, share links, the page's policy and a phone-sized window. Every
// test's page also fails on a request to another origin or any console or
// page error (page_support.mjs).
import {
  DEFAULT_ROWS, DEFAULTS, LABELS, PARAMS, calculateButton, chartOf, expect, fields, fillFields,
  modelAnswer, openPage, readPage, shareLink, shownUrl, test,
} from './page_support.mjs';

const MESSAGES = ['Enter valid baseRea > 0', 'Enter valid firingMode > 0', 'Enter valid FPS > 0',
  'Enter valid REA % > 0'];
const BAD = ['0', '-3', '3.0', ''];

const bodyCells = (page) => page.locator('tbody').getByRole('cell');
const bodyRows = (page) => page.locator('tbody').getByRole('row');
// The alert is hidden while it is empty: include it then too.
const alert = (page) => page.getByRole('alert', { includeHidden: true });
const chartRows = (page) => page.locator('#chart g.row').evaluateAll((gs) => gs.map((g) =>
  [g.getAttribute('data-rea'), g.getAttribute('data-bps'), g.querySelector('title').textContent]));

async function expectRows(page, rows) {
  await expect(bodyRows(page)).toHaveCount(rows.length);
  await expect(bodyCells(page)).toHaveText(rows.flat());
  expect(await chartRows(page)).toEqual(chartOf(rows));
}

test.describe('Calculate', () => {
  test('the defaults give the eight framebreaks; before Calculate the table is empty', async ({ page }) => {
    await openPage(page);
    await expect(calculateButton(page)).toBeEnabled();
    for (const [i, field] of fields(page).entries()) await expect(field).toHaveValue(DEFAULTS[i]);
    await expect(page.getByRole('row')).toHaveCount(1); // the header only
    await expect(page.getByRole('columnheader')).toHaveText(['REA', 'BPS', 'Frames']);
    await expect(alert(page)).toHaveText('');
    await calculateButton(page).click();
    await expectRows(page, DEFAULT_ROWS);
    await expect(alert(page)).toHaveText('');
    await expect(page).toHaveURL(/\/\?baseRea=0\.45&firingMode=3&fps=60&rea=81$/);
  });

  test('Enter in any of the four fields calculates', async ({ page }) => {
    // A different value in each field, so each Enter shows its own table.
    const values = ['0.5', '2', '120', '40'];
    for (const [i, label] of LABELS.entries()) {
      await openPage(page);
      const texts = DEFAULTS.map((t, k) => (k === i ? values[i] : t));
      const field = page.getByLabel(label, { exact: true });
      await field.fill(values[i]);
      await field.press('Enter');
      await expectRows(page, modelAnswer(texts).rows);
    }
  });

  test('each field names itself, and of several bad fields the first is reported', async ({ page }) => {
    await openPage(page);
    for (let bad = 1; bad < 16; bad++) {
      const texts = DEFAULTS.map((t, i) => (bad & (1 << i) ? BAD[i] : t));
      const first = [0, 1, 2, 3].find((i) => bad & (1 << i));
      await fillFields(page, texts);
      await calculateButton(page).click();
      await expect(alert(page), JSON.stringify(texts)).toHaveText(MESSAGES[first]);
    }
    await expect(bodyRows(page)).toHaveCount(0);
  });

  test('an error keeps the rows, the chart and the link; the next success clears the message', async ({ page }) => {
    await openPage(page);
    await calculateButton(page).click();
    await expectRows(page, DEFAULT_ROWS);
    const url = await shownUrl(page);
    const chart = await page.locator('#chart').innerHTML();
    for (const [i, field] of fields(page).entries()) {
      await field.fill('nope');
      await field.press('Enter');
      await expect(alert(page)).toHaveText(MESSAGES[i]);
      await expectRows(page, DEFAULT_ROWS);
      expect(await page.locator('#chart').innerHTML()).toBe(chart);
      expect(await shownUrl(page)).toBe(url);
      await field.fill(DEFAULTS[i]);
    }
    await fields(page)[2].fill('120');
    await calculateButton(page).click();
    await expect(alert(page)).toHaveText('');
    await expectRows(page, modelAnswer(['0.45', '3', '120', '81']).rows);
  });

  test('the chart carries the table: one row element per row, same texts, titles', async ({ page }) => {
    await openPage(page);
    for (const texts of [['0.92', '1', '17', '1'], ['0.001', '1', '10000000', '100'],
      ['1e-310', '1', '60', '100'], ['inf', '1', '60', '100']]) {
      await fillFields(page, texts);
      await calculateButton(page).click();
      const { rows } = modelAnswer(texts);
      await expectRows(page, rows);
      await expect(page.locator('#chart svg[role=img]')).toHaveCount(1);
    }
  });
});

test.describe('63 units a field', () => {
  test('typing more than 63 characters is refused', async ({ page }) => {
    await openPage(page);
    const fps = page.getByLabel('Fps:', { exact: true });
    await fps.fill('');
    await fps.pressSequentially(`${'0'.repeat(61)}60junk99`);
    await expect(fps).toHaveValue(`${'0'.repeat(61)}60`);
    await fps.press('Enter');
    await expect(alert(page)).toHaveText('');
    await expectRows(page, DEFAULT_ROWS);
  });

  // [texts of the link, what the page shows]
  const long = [
    // 63 valid units, then junk: the junk is cut off.
    [['0.45'.padEnd(63, '0') + 'junk!!!', '3', '60', '81'], 'rows'],
    [['0.45', '3', '0'.repeat(61) + '60' + 'x'.repeat(7), '81'], 'rows'],
    // The 64th unit would have made it valid: cut, it is not.
    [['0.45', '3', '60', '0'.repeat(63) + '81'], 'Enter valid REA % > 0'],
    // A cut through a surrogate pair leaves half of it, which no rule accepts.
    [['0.45'.padEnd(62, '0') + '\u{1f600}', '3', '60', '81'], 'Enter valid baseRea > 0'],
  ];
  for (const [k, [texts, shows]] of long.entries()) {
    test(`a share link's ${Math.max(...texts.map((t) => t.length))}-unit text is cut to 63 (${k + 1}: ${shows})`, async ({ page }) => {
      await openPage(page, shareLink(texts));
      const cut = texts.map((t) => t.slice(0, 63));
      for (const [i, field] of fields(page).entries()) await expect(field).toHaveValue(cut[i]);
      if (shows === 'rows') {
        await expect(alert(page)).toHaveText('');
        await expectRows(page, DEFAULT_ROWS);
        const params = new URL(await shownUrl(page)).searchParams;
        expect(PARAMS.map((name) => params.get(name))).toEqual(cut);
      } else {
        await expect(alert(page)).toHaveText(shows);
        await expect(bodyRows(page)).toHaveCount(0);
      }
    });
  }
});

test.describe('share links', () => {
  test('a link fills the fields it names and calculates at once', async ({ page }) => {
    const cases = [
      ['/?baseRea=0.5&firingMode=1&fps=120&rea=100', ['0.5', '1', '120', '100']],
      // Fullwidth digits, URL-encoded: ６０
      ['/?baseRea=0.45&firingMode=3&fps=%EF%BC%96%EF%BC%90&rea=81', ['0.45', '3', '６０', '81']],
      // Only some fields: the others keep their defaults.
      ['/?rea=30', ['0.45', '3', '60', '30']],
      ['/?fps=%E2%80%83120&baseRea=%2B0.45', ['+0.45', '3', '\u2003120', '81']],
      // A newline cannot stay in a one-line field.
      ['/?fps=6%0A0', ['0.45', '3', '60', '81']],
    ];
    for (const [link, texts] of cases) {
      await openPage(page, link);
      for (const [i, field] of fields(page).entries()) await expect(field, link).toHaveValue(texts[i]);
      await expect(alert(page)).toHaveText('');
      await expectRows(page, modelAnswer(texts).rows);
    }
  });

  test('a link with a bad text shows the message and no rows', async ({ page }) => {
    for (const [link, message] of [
      ['/?baseRea=0', MESSAGES[0]],
      ['/?firingMode=3&fps=60.5', MESSAGES[2]],
      // U+0000 ends nothing: it is a character no rule accepts.
      ['/?baseRea=0.45%00', MESSAGES[0]],
      ['/?rea=81%009', MESSAGES[3]],
    ]) {
      await openPage(page, link);
      await expect(alert(page), link).toHaveText(message);
      await expect(bodyRows(page)).toHaveCount(0);
      await expect(page).toHaveURL(new RegExp(`${link.replace(/[?.]/g, '\\$&')}$`));
    }
  });

  test('the link after Calculate brings back the same fields and table', async ({ page, context }) => {
    // Texts that need encoding: +, spaces of other scripts, other digits.
    const texts = [' +0.45', '٣', '\u3000６０', '+81'];
    await openPage(page);
    await fillFields(page, texts);
    await calculateButton(page).click();
    await expectRows(page, DEFAULT_ROWS);
    const params = new URL(await shownUrl(page)).searchParams;
    expect(PARAMS.map((name) => params.get(name))).toEqual(texts);
    const other = await context.newPage();
    await openPage(other, await shownUrl(page));
    for (const [i, field] of fields(other).entries()) await expect(field).toHaveValue(texts[i]);
    await expectRows(other, DEFAULT_ROWS);
    await other.close();
  });
});

// In the page, before its scripts: an older browser if asked (no
// Uint8Array.fromBase64, and the main thread may not compile a module this
// size), and whether the page was ready by DOMContentLoaded.
function noteLoad(older) {
  if (older) {
    delete Uint8Array.fromBase64;
    WebAssembly.Module = function refuse() { throw new RangeError('too large for the main thread'); };
  }
  document.addEventListener('DOMContentLoaded', () => {
    window.readyWhenLoaded = document.documentElement.dataset.ready === 'true';
  });
}

test.describe('loading the core', () => {
  for (const { name, older, readyWhenLoaded } of [
    // Nothing to wait for on the network: ready before the first paint.
    { name: 'is ready by DOMContentLoaded', older: false, readyWhenLoaded: true },
    { name: 'in an older browser compiles in the background', older: true, readyWhenLoaded: false },
  ]) {
    test(name, async ({ page }) => {
      await page.addInitScript(noteLoad, older);
      await openPage(page);
      expect(await page.evaluate(() => window.readyWhenLoaded)).toBe(readyWhenLoaded);
      await calculateButton(page).click();
      await expectRows(page, DEFAULT_ROWS);
    });
  }
});

test.describe('nothing but the page', () => {
  test('load and Calculate fetch only the site\'s own files', async ({ page, baseURL }) => {
    const urls = [];
    page.on('request', (request) => urls.push(request.url()));
    await openPage(page);
    await calculateButton(page).click();
    await expectRows(page, DEFAULT_ROWS);
    expect(urls.length).toBeGreaterThan(0);
    for (const url of urls) expect(url.startsWith(baseURL), url).toBe(true);
    expect(urls.map((u) => new URL(u).pathname)).toEqual(expect.arrayContaining(
      ['/', '/app.js', '/style.css']));
  });

  test('the page carries its policy, and markup in a link stays text', async ({ page }) => {
    const dialogs = [];
    page.on('dialog', (dialog) => { dialogs.push(dialog.message()); dialog.dismiss(); });
    await openPage(page);
    const policy = page.locator('meta[http-equiv="Content-Security-Policy"]');
    await expect(policy).toHaveAttribute('content', /default-src 'none'/);
    await expect(policy).toHaveAttribute('content', /script-src 'self' 'wasm-unsafe-eval'(;|$)/);
    const count = () => page.evaluate(() => document.querySelectorAll('*').length);
    const plain = await count();

    const texts = ['<script>alert(1)</script>', '<img src=x onerror=alert(2)>',
      '"><svg onload=alert(3)>', '</title><script>alert(4)</script>'];
    for (const order of [texts, [DEFAULTS[0], ...texts.slice(1)], [...DEFAULTS.slice(0, 3), texts[1]]]) {
      await openPage(page, shareLink(order));
      const first = order.findIndex((t, i) => t !== DEFAULTS[i]);
      await expect(alert(page)).toHaveText(MESSAGES[first]);
      expect(await count()).toBe(plain);
      await expect(page.locator('body script, body img, #chart *')).toHaveCount(0);
      for (const [i, field] of fields(page).entries()) await expect(field).toHaveValue(order[i]);
    }
    expect(dialogs).toEqual([]);
  });
});

test.describe('a phone-sized window', () => {
  test.use({ viewport: { width: 360, height: 640 } });

  test('no sideways scrolling, everything in view, Calculate works', async ({ page }) => {
    await openPage(page);
    const scrollWidth = () => page.evaluate(() => document.documentElement.scrollWidth);
    expect(await scrollWidth()).toBeLessThanOrEqual(360);
    for (const control of [...fields(page), calculateButton(page)]) {
      await expect(control).toBeVisible();
      await expect(control).toBeInViewport({ ratio: 1 });
    }
    await calculateButton(page).click();
    await expectRows(page, DEFAULT_ROWS);
    expect(await scrollWidth()).toBeLessThanOrEqual(360);
    // The widest table: 100 rows, long BPS texts.
    await fillFields(page, ['5e-8', '1', '2147483647', '100']);
    await calculateButton(page).click();
    await expect(bodyRows(page)).toHaveCount(modelAnswer(['5e-8', '1', '2147483647', '100']).rows.length);
    expect(await scrollWidth()).toBeLessThanOrEqual(360);
  });
});
