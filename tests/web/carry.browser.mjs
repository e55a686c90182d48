// What the page carries out (copies, downloads) is reacalc-cli's output for
// the same texts, byte for byte; setups stay text, whatever the storage does.
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';

import { DEFAULT_ROWS, calculateButton, expect, openPage, readPage, shownUrl, test } from './page_support.mjs';

// Built by scripts/test-web beside the page.
const cli = (args) => execFileSync(fileURLToPath(new URL('../../build/linux/reacalc-cli', import.meta.url)), args);
const link = (texts) => `/?${new URLSearchParams(['baseRea', 'firingMode', 'fps', 'rea', 'at', 'compare']
  .map((name, i) => [name, texts[i] ?? '']).filter(([, t], i) => i < 4 || t !== ''))}`;
const button = (page, name) => page.getByRole('button', { name, exact: true });
const clipboard = (page) => page.evaluate(() => navigator.clipboard.readText());
const saveAs = async (page, name) => {
  await page.getByLabel('Setup name:').fill(name);
  await button(page, 'Save setup').click();
};

async function downloaded(page, name) {
  const [file] = await Promise.all([page.waitForEvent('download'), button(page, name).click()]);
  expect(file.suggestedFilename()).toMatch(/^reacalc[A-Za-z0-9._-]*\.(csv|svg|png)$/);
  return readFileSync(await file.path());
}

test.describe('carried out', () => {
  test.use({ permissions: ['clipboard-read', 'clipboard-write'] });

  test('copies and downloads are the CLI\'s bytes', async ({ page }) => {
    for (const texts of [['0.45', '3', '60', '81', '', ''], ['0.45', '3', '60', '81', '37', '120, 144'],
      [' \uFF10.45', '007', '6\uFF10', '250', '5', ''], ['100', '1', '60', '100', '', '144']]) {
      await openPage(page, link(texts));
      const values = ['--', ...texts.slice(0, 4)];
      const answer = texts[5] ? ['--compare', texts[5]] : ['--frames'];
      await button(page, 'Copy table').click();
      await expect(page.locator('#notice')).toHaveText('Table copied');
      expect(await clipboard(page)).toBe(cli([...answer, ...values]).toString());
      expect((await downloaded(page, 'Download CSV')).equals(cli(['--csv', ...answer, ...values]))).toBe(true);
      const marks = [...(texts[4] ? ['--at', texts[4]] : []), ...(texts[5] ? ['--compare', texts[5]] : [])];
      const svg = await downloaded(page, 'Download SVG');
      expect(svg.equals(cli(['--svg', ...marks, ...values]))).toBe(true);
      const png = await downloaded(page, 'Download PNG');
      const [, , width, height] = /viewBox="([^"]*)"/.exec(svg)[1].split(' ').map(Number);
      expect([png.readUInt32BE(16), png.readUInt32BE(20)]).toEqual([2 * width, 2 * height]);
      await button(page, 'Copy link').click();
      expect(await clipboard(page)).toBe(await shownUrl(page));
    }
  });

  test('disabled until a Calculate; a failing one leaves the old rows to carry', async ({ page }) => {
    await openPage(page);
    await expect(page.locator('[data-carry]:disabled')).toHaveCount(6);
    await calculateButton(page).click();
    await page.getByLabel('Fps:', { exact: true }).fill('0');
    await calculateButton(page).click();
    await button(page, 'Copy table').click();
    expect(await clipboard(page)).toBe(cli(['--frames', '0.45', '3', '60', '81']).toString());
    await expect(page.getByRole('alert')).toHaveText('Enter valid FPS > 0');
  });
});

test('a clipboard that refuses says so in the alert', async ({ page }) => {
  await page.addInitScript(() => {
    navigator.clipboard.writeText = () => Promise.reject(new DOMException('no', 'NotAllowedError'));
  });
  await openPage(page, link(['0.45', '3', '60', '81']));
  await button(page, 'Copy link').click();
  await expect(page.getByRole('alert')).toHaveText('The browser refused the clipboard: nothing was copied.');
});

test('setups: newest first, replaced, refused, deleted, kept, names kept as text', async ({ page }) => {
  const list = page.getByRole('list', { name: 'Saved setups' });
  const markup = '<img src=x onerror="window.pwned=1">';
  await openPage(page, link(['0.45', '3', '60', '81']));
  for (const name of ['  rifle ', markup, '🔫 سلاح 武器']) await saveAs(page, name);
  await page.getByLabel('Fps:', { exact: true }).fill('144');
  await calculateButton(page).click();
  await saveAs(page, 'rifle');
  await expect(list.getByRole('link')).toHaveText(['rifle', '🔫 سلاح 武器', markup]);
  for (const bad of ['   ', 'x'.repeat(41)]) {
    await saveAs(page, bad);
    await expect(page.getByRole('alert')).toHaveText('Enter a setup name of 1 to 40 characters.');
  }
  await button(page, `Delete ${markup}`).click();
  await page.reload();
  await expect(list.getByRole('link')).toHaveText(['rifle', '🔫 سلاح 武器']);
  await list.getByRole('link', { name: 'rifle' }).click();
  // The link opens a new page: read it once it is there and ready.
  await page.waitForURL(/fps=144/);
  await expect(page.locator('html')).toHaveAttribute('data-ready', 'true');
  expect((await readPage(page)).rows[0]).toEqual(['0', '6.545', '22']);
  expect(await page.evaluate(() => window.pwned)).toBeUndefined();
});

test('storage that fails never breaks the page', async ({ page }) => {
  const set = (value) => localStorage.setItem('reacalc.setups', value);
  for (const [what, spoil, arg, keeps] of [
    ['blocked', () => Object.defineProperty(window, 'localStorage', { get() { throw new DOMException('no', 'SecurityError'); } })],
    ['full', () => { Storage.prototype.setItem = () => { throw new DOMException('full', 'QuotaExceededError'); }; }],
    ['broken JSON', set, '{"version":1,', true],
    ['other types', set, '{"version":1,"setups":[{"name":"<b>","fields":5},7,null,{"name":"ok","fields":{}}]}', true],
    ['a very long value', set, `[${'1,'.repeat(1e6)}1]`, true],
  ]) {
    const spoilt = await page.context().newPage();
    const errors = [];
    spoilt.on('console', (m) => m.type() === 'error' && errors.push(m.text()));
    spoilt.on('pageerror', (error) => errors.push(error.message));
    await spoilt.addInitScript(spoil, arg);
    await openPage(spoilt, '/');
    await calculateButton(spoilt).click();
    expect((await readPage(spoilt)).rows, what).toEqual(DEFAULT_ROWS);
    await expect(spoilt.getByRole('list', { name: 'Saved setups' }).getByRole('listitem'), what).toHaveCount(0);
    await saveAs(spoilt, 'kept');
    await expect(keeps ? spoilt.locator('#notice') : spoilt.getByRole('alert'), what)
      .toHaveText(keeps ? 'Setup saved' : 'This browser would not keep the setup: its storage is blocked or full.');
    expect(errors, what).toEqual([]);
    await spoilt.evaluate(() => { try { localStorage.clear(); } catch { /* blocked */ } });
    await spoilt.close();
  }
});
