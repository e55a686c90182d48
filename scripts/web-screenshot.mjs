// Opens the page in headless Chromium (Debian's) and saves a screenshot: with
// no query, after a click of Calculate; with a share link's query, of what
// the link shows. SELECTOR takes one element only (e.g. '#chart'); SETUP
// saves what is shown as a setup of that name first.
// Usage: node scripts/web-screenshot.mjs URL FILE [QUERY [SELECTOR [SETUP]]]
import { chromium } from '@playwright/test';

const [url, file, query = '', selector = '', setup = ''] = process.argv.slice(2);
const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-background-networking', '--disable-component-update'],
});
try {
  const page = await browser.newPage({ viewport: { width: 1000, height: 720 } });
  await page.goto(new URL(query, url).href);
  await page.locator('html[data-ready="true"]').waitFor();
  if (!query) await page.getByRole('button', { name: 'Calculate' }).click();
  await page.locator('tbody tr').first().waitFor();
  if (setup) {
    await page.getByLabel('Setup name:').fill(setup);
    await page.getByRole('button', { name: 'Save setup' }).click();
  }
  const target = selector ? page.locator(selector) : page;
  await target.screenshot({ path: file, ...(selector ? {} : { fullPage: true }) });
} finally {
  await browser.close();
}
