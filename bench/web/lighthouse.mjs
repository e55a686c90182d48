// Lighthouse (12.2.3, locked in package-lock.json) on the built site, served
// on 127.0.0.1, in Debian's Chromium, as a new visitor on its default
// (mobile) settings. Prints one line, the format print_table.py reads:
//   lighthouse performance=1 accessibility=1 best_practices=1 seo=1
// and the title of any scored audit that did not pass, on stderr.
// Usage: node bench/web/lighthouse.mjs   (after cmake --build --preset web)
import { spawn } from 'node:child_process';
import { fileURLToPath } from 'node:url';
import * as chromeLauncher from 'chrome-launcher';
import lighthouse from 'lighthouse';

const root = fileURLToPath(new URL('../../', import.meta.url));
const CATEGORIES = ['performance', 'accessibility', 'best-practices', 'seo'];

const server = spawn(process.execPath, [`${root}scripts/serve.mjs`, `${root}build/web`, '0'],
  { stdio: ['ignore', 'pipe', 'inherit'] });
const url = await new Promise((resolve, reject) => {
  let out = '';
  server.stdout.on('data', (chunk) => {
    out += chunk;
    const m = / at (http:\/\/127\.0\.0\.1:\d+\/)/.exec(out);
    if (m) resolve(m[1]);
  });
  server.on('exit', (code) => reject(new Error(`server exited (${code})`)));
});

const chrome = await chromeLauncher.launch({
  chromePath: '/usr/bin/chromium',
  chromeFlags: ['--headless=new', '--no-sandbox', '--disable-background-networking',
    '--disable-component-update', '--disable-sync', '--no-first-run'],
});
try {
  const { lhr } = await lighthouse(url, { port: chrome.port, logLevel: 'error', output: 'json',
    onlyCategories: CATEGORIES });
  const scores = CATEGORIES.map((id) => `${id.replace('-', '_')}=${lhr.categories[id].score}`);
  console.log(`lighthouse ${scores.join(' ')}`);
  for (const id of CATEGORIES) {
    for (const ref of lhr.categories[id].auditRefs) {
      const audit = lhr.audits[ref.id];
      if (ref.weight > 0 && audit.score !== null && audit.score < 1) {
        console.error(`  ${id}: ${audit.title} (${audit.score})`);
      }
    }
  }
} finally {
  await chrome.kill();
  server.kill();
}
