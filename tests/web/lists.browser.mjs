// Tables in the chosen format are reacalc-cli's bytes; setups leave as a
// weapon list and come back the same, and a bad file or a failing storage
// leaves them as they were.
import { execFileSync, spawnSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';

import { expect, openPage, test } from './page_support.mjs';

const CLI = fileURLToPath(new URL('../../build/linux/reacalc-cli', import.meta.url));
const cli = (args) => execFileSync(CLI, args);
const FIELDS = ['baseRea', 'firingMode', 'fps', 'rea', 'at', 'compare'];
const link = (texts) => `/?${new URLSearchParams(FIELDS.map((name, i) => [name, texts[i]])
  .filter(([, t], i) => i < 4 || t !== ''))}`;
const button = (page, name) => page.getByRole('button', { name, exact: true });
const names = (page) => page.getByRole('list', { name: 'Saved setups' }).getByRole('link');
const stored = (page) => page.evaluate(() => localStorage.getItem('reacalc.setups'));
const importFile = (page, text) => page.getByLabel('Import setups').setInputFiles(
  { name: 'list.csv', mimeType: 'text/csv', buffer: Buffer.from(text) });
const keep = (setups) => JSON.stringify({ version: 1, setups: setups.map(([name, ...texts]) =>
  ({ name, fields: Object.fromEntries(FIELDS.map((f, i) => [f, texts[i] ?? ''])) })) });
const HEADER = 'name,baseRea,firingMode,fps,rea,at,compare\n';

test('the copy in each table format is the CLI\'s', async ({ page, context }) => {
  await context.grantPermissions(['clipboard-read', 'clipboard-write']);
  // The answers themselves are compared with the CLI's for many more texts in
  // page_calculation_test; here, that the copy carries them unchanged.
  for (const texts of [['0.45', '3', '60', '81', '', ''], ['0.45', '3', '60', '81', '37', '120, 144']]) {
    await openPage(page, link(texts));
    const marks = [...(texts[4] ? ['--at', texts[4]] : []), ...(texts[5] ? ['--compare', texts[5]] : [])];
    for (const [label, option] of [['Markdown', '--markdown'], ['Wikitext', '--wiki']]) {
      await page.getByLabel('Table format:').selectOption({ label });
      await button(page, 'Copy table').click();
      await expect(page.locator('#notice')).toHaveText('Table copied');
      expect(await page.evaluate(() => navigator.clipboard.readText()), `${label} ${texts}`)
        .toBe(cli([option, ...marks, '--', ...texts.slice(0, 4)]).toString());
      await page.locator('#notice').evaluate((notice) => { notice.textContent = ''; });
    }
  }
});

test('export, then import into an empty browser: the same setups, order and texts', async ({ page, browser }) => {
  const hostile = '<img src=x onerror="window.pwned=1">';
  await page.addInitScript((value) => localStorage.getItem('reacalc.setups') ??
    localStorage.setItem('reacalc.setups', value), keep([
    [hostile, '0.45', '3', '60', '81', '37', '120, 144'],
    ['Shotgun, "pump"', ' \uFF10.45', '1', '6\uFF10', '250', '', '144'],
    ['🔫 سلاح 武器', '2', '1', '60', '52', '1', ''],
    ['=1+1', '100', '1', '60', '100', '', ''],
    ["'quoted", '0.45', '3', '60', '81', '', '']]));
  await openPage(page);
  const before = await stored(page);
  await expect(button(page, 'Export setups')).toBeEnabled();
  const [file] = await Promise.all([page.waitForEvent('download'), button(page, 'Export setups').click()]);
  expect(file.suggestedFilename()).toBe('reacalc-setups.csv');
  const csv = readFileSync(await file.path());
  expect(csv.subarray(0, 3).toString('latin1')).toBe('\xEF\xBB\xBF');
  // A name a spreadsheet would run as a formula goes behind one '.
  expect(csv.toString().split('\r\n')).toEqual(['\uFEFFname,baseRea,firingMode,fps,rea,at,compare',
    `"${hostile.replaceAll('"', '""')}",0.45,3,60,81,37,"120, 144"`, '"Shotgun, ""pump""", ０.45,1,6０,250,,144',
    '🔫 سلاح 武器,2,1,60,52,1,', "'=1+1,100,1,60,100,,", "''quoted,0.45,3,60,81,,", '']);

  const empty = await browser.newPage();
  await openPage(empty);
  await expect(button(empty, 'Export setups')).toBeDisabled();
  await importFile(empty, csv);
  await expect(empty.locator('#notice')).toHaveText('5 setups imported');
  await expect(empty.locator('#message')).toBeEmpty();
  await expect(names(empty)).toHaveText([hostile, 'Shotgun, "pump"', '🔫 سلاح 武器', '=1+1', "'quoted"]);
  expect(await stored(empty)).toBe(before);
  expect(await empty.evaluate(() => window.pwned)).toBeUndefined();
  await empty.close();
});

test('an import: failures listed, a name twice, the limit, on top of what was kept', async ({ page }) => {
  const kept = Array.from({ length: 47 }, (_, k) => [`kept ${k}`, '0.45', '3', '60', '81']);
  await page.addInitScript((value) => localStorage.getItem('reacalc.setups') ??
    localStorage.setItem('reacalc.setups', value), keep(kept));
  await openPage(page);
  await importFile(page, `${HEADER}Rifle,0.45,3,60,81,,\nShotgun,0.45,3,0,81,,\n,1,1,1,1\n` +
    'kept 5,1,1,60,81,,\nRifle,0.5,3,60,81,,\nA,1,1,1,1\nB,1,1,1,1\nC,1,1,1,1\n');
  await expect(page.getByRole('alert')).toHaveText('Lines not imported:\nline 2 (Rifle): replaced by line 6\n' +
    'line 3 (Shotgun): fps "0": Enter valid FPS > 0\nline 4: Enter a setup name of 1 to 40 characters.\n' +
    'line 9 (C): over the limit of 50 saved setups', { useInnerText: true });
  await expect(page.locator('#notice')).toHaveText('4 setups imported');
  const shown = await names(page).allTextContents();
  expect(shown.slice(0, 6)).toEqual(['kept 5', 'Rifle', 'A', 'B', 'kept 0', 'kept 1']);
  expect(shown).toHaveLength(50);
});

test('lists that LibreOffice wrote: the CLI\'s words in the alert, a decimal comma saved with the point', async ({ page }) => {
  await openPage(page);
  for (const file of ['lo-german.csv', 'lo-unicode.txt']) {
    const path = fileURLToPath(new URL(`../answers/lists/${file}`, import.meta.url));
    const { stderr } = spawnSync(CLI, ['--list', path], { encoding: 'utf8' });
    await page.getByLabel('Import setups').setInputFiles(path);
    await expect(page.getByRole('alert')).toHaveText(`Lines not imported:\n${stderr.trimEnd()}`, { useInnerText: true });
    await expect(page.locator('#notice')).toHaveText('4 setups imported');
    const setups = JSON.parse(await stored(page)).setups;
    expect(setups.map(({ name, fields }) => [name, fields.baseRea, fields.compare]), file).toEqual([
      ['Rifle', '0.45', ''], ['Shotgun, "pump"', '1.2', '120,144'], ['Flammenwerfer Ä ö ß é 武器', '2', '120'],
      ['Comma typed', '0.45', '']]);
  }
});

test('a file that is no weapon list, or a storage that fails, leaves the setups as they were', async ({ page }) => {
  await page.addInitScript((value) => localStorage.getItem('reacalc.setups') ??
    localStorage.setItem('reacalc.setups', value), keep([['Rifle', '0.45', '3', '60', '81']]));
  await openPage(page);
  const before = await stored(page);
  for (const [file, alert] of [
    [Buffer.from(`${HEADER}R\xE9,1,1,1,1\n`, 'latin1'), 'The weapon list is not UTF-8 text: line 2 is not. Save it as CSV UTF-8.'],
    ['name,baseRea,firingMode,rea\nx,1,1,1\n', 'The weapon list has no column fps: its first line must name the columns name, baseRea, ' +
      'firingMode, fps and rea, separated by commas, semicolons or TABs. It reads "name,baseRea,firingMode,rea".'],
    [Buffer.from([0, 1, 2, 255, 34, 10, 13]), /^The weapon list /],
  ]) {
    await importFile(page, file);
    await expect(page.getByRole('alert')).toHaveText(alert);
    expect(await stored(page)).toBe(before);
  }
  await page.evaluate(() => { Storage.prototype.setItem = () => { throw new DOMException('full', 'QuotaExceededError'); }; });
  await importFile(page, `${HEADER}Rifle,1,1,60,81,,\nNew,1,1,60,81,,\n`);
  await expect(page.getByRole('alert')).toHaveText('This browser would not keep the imported setups: ' +
    'its storage is blocked or full. Nothing was imported.');
  expect(await stored(page)).toBe(before);
  await expect(names(page)).toHaveText(['Rifle']);
});
