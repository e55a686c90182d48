// The page as an installed app: its manifest and icons, its policy, working
// with no network after one visit (share links too), and a new build taking
// over whole, never mixed with the old one. The offline and update tests
// serve a copy of the installed site that they can stop or change.
import { readFileSync, rmSync, writeFileSync } from 'node:fs';

import {
  DEFAULT_ROWS, calculateButton, expect, openPage, shareLink, test,
} from './page_support.mjs';
import { installSite, rebuildSite, serveSite } from './site_copy.mjs';

const cellTexts = (page) => page.locator('tbody td').allTextContents();

// The caches as the context's workers see them, while no page is open.
async function cachesSeenByWorkers(context) {
  const seen = await Promise.all(context.serviceWorkers()
    .map((worker) => worker.evaluate(() => caches.keys()).catch(() => null)));
  return seen.find((names) => names !== null) ?? null;
}

// The worker is installed and active, and this page is in its hands.
async function waitForWorker(page) {
  await page.evaluate(() => navigator.serviceWorker.ready);
}

test.describe('installable', () => {
  test('each icon of the manifest is the PNG of the size it claims; the policy admits no more than the app needs', async ({ page, request }) => {
    await openPage(page);
    const manifest = await (await request.get('manifest.webmanifest')).json();
    const png = manifest.icons.filter((icon) => icon.type === 'image/png');
    expect(png.map((icon) => `${icon.sizes} ${icon.purpose ?? 'any'}`).sort())
      .toEqual(['192x192 any', '512x512 any', '512x512 maskable']);
    for (const icon of png) {
      const body = await (await request.get(icon.src)).body();
      // A PNG's IHDR: width and height, big-endian, at bytes 16 and 20.
      expect(body.subarray(1, 4).toString(), icon.src).toBe('PNG');
      expect(`${body.readUInt32BE(16)}x${body.readUInt32BE(20)}`, icon.src).toBe(icon.sizes);
    }
    const policy = await page.locator('meta[http-equiv="Content-Security-Policy"]').getAttribute('content');
    expect(policy).toMatch(/manifest-src 'self';.*worker-src 'self'/);
    expect(policy).not.toMatch(/'unsafe-inline'|'unsafe-eval'|data:|\*/);
  });
});

test.describe('the installed site', () => {
  let dir;
  let site;
  test.beforeEach(async () => {
    dir = installSite();
    site = await serveSite(dir);
  });
  test.afterEach(async () => {
    await site.stop();
    rmSync(dir, { recursive: true, force: true });
  });

  test('after one visit it works with no network: the page, Calculate and share links', async ({ browser }) => {
    const context = await browser.newContext({ baseURL: site.url });
    const page = await context.newPage();
    await openPage(page);
    await waitForWorker(page);
    await site.stop(); // no server at all: only the worker can answer
    await context.setOffline(true);

    const link = shareLink(['0.45', '3', '120', '81']);
    for (const [path, action] of [['/', 'click'], [link, 'none'], ['/?rea=40', 'none']]) {
      await openPage(page, path);
      if (action === 'click') await calculateButton(page).click();
      await expect(page.locator('tbody tr').first(), path).toBeVisible();
    }
    await openPage(page, '/');
    await calculateButton(page).click();
    expect(await cellTexts(page)).toEqual(DEFAULT_ROWS.flat());
    // The app's own files, the ones a home screen needs, from the cache too.
    for (const file of ['manifest.webmanifest', 'icon-192.png', 'icon-512.png']) {
      expect(await page.evaluate((f) => fetch(f).then((r) => r.status), file), file).toBe(200);
    }
    await context.close();
  });

  // What a visit shows of the build it got: the page's title, a mark app.js
  // leaves, and a property from the style sheet.
  const buildSeen = (page) => page.evaluate(() => ({
    title: document.title,
    script: document.documentElement.dataset.build ?? '1',
    style: getComputedStyle(document.documentElement).getPropertyValue('--build').trim() || '1',
  }));
  const build = (n) => ({ title: n === 1 ? 'reacalc: framebreaks' : 'reacalc: framebreaks (2)',
    script: String(n), style: String(n) });
  const SECOND_BUILD = {
    'index.html': (text) => text.replace('framebreaks</title>', 'framebreaks (2)</title>'),
    'app.js': (text) => `${text}document.documentElement.dataset.build = '2';\n`,
    'style.css': (text) => `${text}:root { --build: 2; }\n`,
  };

  test('a new build takes over once the old one is closed, whole, and its cache replaces the old', async ({ browser }) => {
    const context = await browser.newContext({ baseURL: site.url });
    let page = await context.newPage();
    await openPage(page);
    await waitForWorker(page);
    expect(await buildSeen(page)).toEqual(build(1));
    const firstCaches = await page.evaluate(() => caches.keys());

    rebuildSite(dir, SECOND_BUILD);
    // The next visit is still the old build; the new one installs meanwhile.
    await page.close();
    page = await context.newPage();
    await openPage(page);
    expect(await buildSeen(page)).toEqual(build(1));
    // (A predicate's promise would count as truthy at once: poll its value.)
    await expect.poll(() => page.evaluate(() => navigator.serviceWorker.getRegistration()
      .then((r) => r?.waiting?.state ?? null)), { timeout: 30_000 }).toBe('installed');
    await page.reload();
    await expect(page.locator('html')).toHaveAttribute('data-ready', 'true');
    expect(await buildSeen(page)).toEqual(build(1));

    // With every tab of the old build gone, the new worker takes over (it has
    // dropped the old cache once it is active), and the visit after gets it.
    await page.close();
    await expect.poll(() => cachesSeenByWorkers(context)).toEqual([expect.not.stringMatching(firstCaches[0])]);
    page = await context.newPage();
    await openPage(page);
    expect(await buildSeen(page)).toEqual(build(2));
    await calculateButton(page).click();
    expect(await cellTexts(page)).toEqual(DEFAULT_ROWS.flat());
    const caches = await page.evaluate(() => caches.keys());
    expect(caches).toHaveLength(1);
    expect(caches[0]).toMatch(/^reacalc-[0-9a-f]{16}$/);
    expect(caches).not.toEqual(firstCaches);
    await context.close();
  });

  test('a half-copied build is refused: the old one goes on serving', async ({ browser }) => {
    const context = await browser.newContext({ baseURL: site.url });
    let page = await context.newPage();
    await openPage(page);
    await waitForWorker(page);
    // The new worker and index.html are up, app.js is still the old one.
    const oldScript = readFileSync(`${dir}/app.js`, 'utf8');
    rebuildSite(dir, SECOND_BUILD);
    writeFileSync(`${dir}/app.js`, oldScript);
    // The new worker tries, and fails, to install.
    const waiting = await page.evaluate(async () => {
      const registration = await navigator.serviceWorker.getRegistration();
      await registration.update().catch(() => {});
      while (registration.installing) await new Promise((done) => setTimeout(done, 50));
      return registration.waiting !== null;
    });
    expect(waiting).toBe(false);
    for (let visit = 0; visit < 2; visit++) {
      await page.close();
      page = await context.newPage();
      await openPage(page);
      expect(await buildSeen(page), `visit ${visit}`).toEqual(build(1));
    }
    await context.close();
  });
});
