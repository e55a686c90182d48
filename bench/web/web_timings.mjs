// The page's timings in headless Chromium (Debian's), each beside the
// baseline page in bench/web: load to ready and Calculate to eight rows, and
// the bytes of the site. Prints one "name key=value ..." line per page, the
// format print_table.py reads (like window-timings.exe).
// Usage: node bench/web/web_timings.mjs [RUNS]   (after cmake --build --preset web)
import { spawn } from 'node:child_process';
import { statSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import { chromium } from '@playwright/test';

const runs = Number(process.argv[2] ?? 25);
const clicks = 10; // Calculates timed on each loaded page
const root = fileURLToPath(new URL('../../', import.meta.url));
const SITE_FILES = ['index.html', 'app.js', 'style.css', 'icon.svg', 'reacalc.js', 'reacalc.wasm'];
const BASELINE_FILES = ['baseline.html', 'baseline.js', 'baseline.css'];

const bytes = (dir, files) => files.reduce((sum, f) => sum + statSync(`${root}${dir}/${f}`).size, 0);
const median = (xs) => {
  const s = [...xs].sort((a, b) => a - b);
  return s.length % 2 ? s[(s.length - 1) / 2] : (s[s.length / 2 - 1] + s[s.length / 2]) / 2;
};

// scripts/serve.mjs on a free port; resolves to [child, base URL].
function serve(dir) {
  const child = spawn(process.execPath, [`${root}scripts/serve.mjs`, `${root}${dir}`, '0'],
    { stdio: ['ignore', 'pipe', 'inherit'] });
  return new Promise((resolve, reject) => {
    let out = '';
    child.stdout.on('data', (chunk) => {
      out += chunk;
      const m = / at (http:\/\/127\.0\.0\.1:\d+\/)/.exec(out);
      if (m) resolve([child, m[1]]);
    });
    child.on('exit', (code) => reject(new Error(`server for ${dir} exited (${code})`)));
  });
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

// In the page: click Calculate and time until the table holds eight rows,
// laid out (the layout is forced, so both pages pay for theirs).
function timeCalculate() {
  const tbody = document.querySelector('tbody');
  const button = document.querySelector('button');
  return new Promise((resolve) => {
    let start = 0;
    const observer = new MutationObserver(() => {
      if (tbody.rows.length !== 8) return;
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

// One fresh page: load to ready, then `clicks` Calculates.
async function measureOnce(browser, url) {
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.addInitScript(noteReady);
  await page.goto(url);
  await page.locator('html[data-ready]').waitFor({ state: 'attached' });
  const load = await page.evaluate(() => window.readyAt);
  const times = [];
  for (let k = 0; k < clicks; k++) times.push(await page.evaluate(timeCalculate));
  await context.close();
  return { load, first: times[0], calc: times.slice(1) };
}

const summary = (all) => {
  const load = all.map((r) => r.load);
  return {
    load_ms: median(load), load_min_ms: Math.min(...load),
    calc_ms: median(all.flatMap((r) => r.calc)), calc_first_ms: median(all.map((r) => r.first)),
    runs: all.length, clicks,
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
  const [site, siteUrl] = await serve('build/web');
  servers.push(site);
  const [base, baseUrl] = await serve('bench/web');
  servers.push(base);
  // The two pages alternate, run by run, so a change of load on the machine hits both.
  const results = { reacalc: [], baseline: [] };
  for (let run = 0; run < runs; run++) {
    results.reacalc.push(await measureOnce(browser, siteUrl));
    results.baseline.push(await measureOnce(browser, `${baseUrl}baseline.html`));
  }
  console.log(line('reacalc', summary(results.reacalc), bytes('build/web', SITE_FILES)));
  console.log(line('baseline', summary(results.baseline), bytes('bench/web', BASELINE_FILES)));
} finally {
  await browser.close();
  for (const child of servers) child.kill();
}

