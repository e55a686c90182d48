// The page's timings in headless Chromium (Debian's), each beside a fair
// floor: the same index.html and style sheet, whose script does the page's
// DOM work (the rows, the chart's SVG parsed and inserted, the share link)
// with the core's answer as constants, no WebAssembly. The constants are
// what the real page shows for the default inputs, read from it first, so
// the floor follows the page. Figures: load to ready, Calculate to the rows,
// the first Calculate after load, the first Calculate clicked at the very
// moment the page is ready (on loads of their own), and the bytes of each site. Prints one
// "name key=value ..." line per page, the format print_table.py reads.
// Usage: node bench/web/web_timings.mjs [RUNS]   (after cmake --build --preset web)
import { copyFileSync, mkdirSync, readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import { chromium } from '@playwright/test';
import { serveSite } from '../../tests/web/site_copy.mjs';

const runs = Number(process.argv[2] ?? 25);
const clicks = 10; // Calculates timed on each loaded page
const root = fileURLToPath(new URL('../../', import.meta.url));
const SITE = `${root}build/web`;
const FLOOR = `${root}build/web-floor`;
// What a first visit loads (the worker's install comes after ready).
const SITE_FILES = ['index.html', 'app.js', 'carry.js', 'setups.js', 'lists.js', 'style.css', 'icon.svg'];
const FLOOR_FILES = ['index.html', 'floor.js', 'style.css', 'icon.svg'];

const bytes = (dir, files) => files.reduce((sum, f) => sum + statSync(`${dir}/${f}`).size, 0);
const median = (xs) => {
  const s = [...xs].sort((a, b) => a - b);
  return s.length % 2 ? s[(s.length - 1) / 2] : (s[s.length / 2 - 1] + s[s.length / 2]) / 2;
};

// What the real page shows after Calculate with its defaults.
async function readRealPage(browser, url) {
  const context = await browser.newContext({ serviceWorkers: 'block' });
  const page = await context.newPage();
  await page.goto(url);
  await page.locator('html[data-ready]').waitFor({ state: 'attached' });
  await page.getByRole('button', { name: 'Calculate' }).click();
  await page.locator('#chart svg').waitFor();
  const shown = await page.evaluate(() => ({
    rows: [...document.querySelectorAll('tbody tr')].map((tr) => [...tr.cells].map((td) => td.textContent)),
    svg: new XMLSerializer().serializeToString(document.querySelector('#chart svg')),
  }));
  await context.close();
  return shown;
}

// The floor site: the page's index.html with floor.js for app.js and without
// the preloads of the page's scripts, beside its style sheet and icon.
function writeFloor(shown) {
  rmSync(FLOOR, { recursive: true, force: true });
  mkdirSync(FLOOR, { recursive: true });
  const html = readFileSync(`${SITE}/index.html`, 'utf8')
    .replace(/<link rel="modulepreload"[^>]*>\n/g, '')
    .replace(/<link rel="manifest"[^>]*>\n/, '')
    .replace('src="app.js"', 'src="floor.js"');
  if (!html.includes('src="floor.js"')) throw new Error('index.html no longer loads app.js');
  writeFileSync(`${FLOOR}/index.html`, html);
  for (const file of ['style.css', 'icon.svg']) copyFileSync(`${SITE}/${file}`, `${FLOOR}/${file}`);
  writeFileSync(`${FLOOR}/floor.js`, `const FLOOR = ${JSON.stringify(shown)};\n` +
    readFileSync(`${root}bench/web/floor.js`, 'utf8'));
}

// Before any of the page's scripts (and before <html> exists): note when
// <html data-ready> appears, on the clock that starts at navigation.
function noteReady() {
  new MutationObserver((_, observer) => {
    if (document.documentElement?.dataset.ready) {
      window.readyAt = performance.now();
      observer.disconnect();
    }
  }).observe(document, { attributes: true, subtree: true, attributeFilter: ['data-ready'] });
}

// In the page: click Calculate and time until the table holds its rows,
// laid out (the layout is forced, so both pages pay for theirs).
function timeCalculate(rowCount) {
  const tbody = document.querySelector('tbody');
  const button = document.querySelector('button[type=submit]');
  return new Promise((resolve) => {
    let start = 0;
    const observer = new MutationObserver(() => {
      if (tbody.rows.length !== rowCount) return;
      void document.body.offsetHeight;
      const end = performance.now();
      observer.disconnect();
      resolve(end - start);
    });
    observer.observe(tbody, { childList: true });
    tbody.replaceChildren(); // before the clock starts: each click fills an empty table
    start = performance.now();
    button.click();
  });
}

// Before any of the page's scripts: at the very moment <html data-ready>
// appears, click Calculate and note in window.atReady how long the rows take
// (as timeCalculate does), before anything the page does after that moment.
function clickAtReady(rowCount) {
  new MutationObserver((_, observer) => {
    if (!document.documentElement?.dataset.ready) return;
    observer.disconnect();
    const tbody = document.querySelector('tbody');
    const rows = new MutationObserver(() => {
      if (tbody.rows.length !== rowCount) return;
      void document.body.offsetHeight;
      window.atReady = performance.now() - start;
      rows.disconnect();
    });
    rows.observe(tbody, { childList: true });
    tbody.replaceChildren();
    const start = performance.now();
    document.querySelector('button[type=submit]').click();
  }).observe(document, { attributes: true, subtree: true, attributeFilter: ['data-ready'] });
}

async function measureAtReady(browser, url, rowCount) {
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.addInitScript(clickAtReady, rowCount);
  await page.goto(url);
  // Polled from here: the page's policy forbids the evaluated predicates of waitForFunction.
  let time;
  while ((time = await page.evaluate(() => window.atReady)) === undefined) {
    await new Promise((resolve) => setTimeout(resolve, 10));
  }
  await context.close();
  return time;
}

// One fresh page, as a new visitor: load to ready, then `clicks` Calculates.
async function measureOnce(browser, url, rowCount) {
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.addInitScript(noteReady);
  await page.goto(url);
  await page.locator('html[data-ready]').waitFor({ state: 'attached' });
  const load = await page.evaluate(() => window.readyAt);
  const times = [];
  for (let k = 0; k < clicks; k++) times.push(await page.evaluate(timeCalculate, rowCount));
  await context.close();
  return { load, first: times[0], calc: times.slice(1) };
}

const summary = (all, atReady) => {
  const load = all.map((r) => r.load);
  return {
    load_ms: median(load), load_min_ms: Math.min(...load),
    calc_ms: median(all.flatMap((r) => r.calc)), calc_first_ms: median(all.map((r) => r.first)),
    calc_at_ready_ms: median(atReady), runs: all.length, clicks,
  };
};
const line = (name, figures, size) => `${name} ${Object.entries({ ...figures, bytes: size })
  .map(([k, v]) => `${k}=${Number.isInteger(v) ? v : v.toFixed(3)}`).join(' ')}`;

const servers = [];
const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-background-networking', '--disable-component-update',
    '--disable-sync', '--no-first-run'],
});
try {
  const site = await serveSite(SITE);
  servers.push(site);
  const siteUrl = site.url;
  const shown = await readRealPage(browser, siteUrl);
  writeFloor(shown);
  const floor = await serveSite(FLOOR);
  servers.push(floor);
  const floorUrl = floor.url;
  // The two pages alternate, run by run, so a change of load on the machine hits both.
  const results = { reacalc: [], floor: [] };
  const atReady = { reacalc: [], floor: [] };
  for (let run = 0; run < runs; run++) {
    results.reacalc.push(await measureOnce(browser, siteUrl, shown.rows.length));
    results.floor.push(await measureOnce(browser, floorUrl, shown.rows.length));
    atReady.reacalc.push(await measureAtReady(browser, siteUrl, shown.rows.length));
    atReady.floor.push(await measureAtReady(browser, floorUrl, shown.rows.length));
  }
  console.log(line('reacalc', summary(results.reacalc, atReady.reacalc), bytes(SITE, SITE_FILES)));
  console.log(line('floor', summary(results.floor, atReady.floor), bytes(FLOOR, FLOOR_FILES)));
} finally {
  await browser.close();
  await Promise.all(servers.map((server) => server.stop()));
}
