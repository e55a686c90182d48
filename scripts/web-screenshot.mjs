// Opens the page in headless Chromium (Debian's), clicks Calculate, waits for
// the rows and saves a screenshot. Usage: node scripts/web-screenshot.mjs URL FILE
import { chromium } from '@playwright/test';

const [url, file] = process.argv.slice(2);
const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-background-networking', '--disable-component-update'],
});
try {
  const page = await browser.newPage({ viewport: { width: 1000, height: 720 } });
  await page.goto(url);
  await page.getByRole('button', { name: 'Calculate' }).click();
  await page.locator('tbody tr').nth(7).waitFor();
  await page.screenshot({ path: file, fullPage: true });
} finally {
  await browser.close();
}
