// Lighthouse (12.2.3, locked in package-lock.json) on the built site, served
// on 127.0.0.1, in Debian's Chromium, as a new visitor on its default
// (mobile) settings. Prints one line, the format print_table.py reads:
//   lighthouse performance=1 accessibility=1 best_practices=1 seo=1
// and the title of any scored audit that did not pass, on stderr.
// Usage: node bench/web/lighthouse.mjs   (after cmake --build --preset web)
import { fileURLToPath } from 'node:url';
import * as chromeLauncher from 'chrome-launcher';
import lighthouse from 'lighthouse';
import { serveSite } from '../../tests/web/site_copy.mjs';

const root = fileURLToPath(new URL('../../', import.meta.url));
const CATEGORIES = ['performance', 'accessibility', 'best-practices', 'seo'];

const server = await serveSite(`${root}build/web`);
const { url } = server;

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
  await server.stop();
}
