// The page's browser tests: Debian's Chromium, headless, against the built
// site in build/web served on 127.0.0.1 by scripts/serve.mjs.
// Run: npx playwright test   (after cmake --build --preset web)
import { existsSync } from 'node:fs';
import { defineConfig } from '@playwright/test';

const site = new URL('./build/web/', import.meta.url);
if (!existsSync(new URL('index.html', site)) || !existsSync(new URL('app.js', site))) {
  throw new Error('build/web/index.html or app.js is missing: build the page first with ' +
    '"cmake --preset web && cmake --build --preset web"');
}

export const PORT = Number(process.env.REACALC_WEB_PORT ?? 8093);

export default defineConfig({
  testDir: 'tests/web',
  testMatch: '*.browser.mjs',
  outputDir: 'build/playwright-results',
  // Two cores shared with other work.
  workers: 2,
  reporter: 'list',
  timeout: 120_000,
  expect: { timeout: 10_000 },
  forbidOnly: true,
  use: {
    baseURL: `http://127.0.0.1:${PORT}/`,
    browserName: 'chromium',
    headless: true,
    launchOptions: {
      executablePath: '/usr/bin/chromium',
      args: ['--no-sandbox', '--disable-background-networking', '--disable-component-update',
        '--disable-sync', '--no-first-run'],
    },
    trace: 'off',
    screenshot: 'off',
    video: 'off',
  },
  webServer: {
    command: 'node scripts/serve.mjs build/web',
    env: { PORT: String(PORT) },
    url: `http://127.0.0.1:${PORT}/`,
    reuseExistingServer: false,
    stdout: 'ignore',
    stderr: 'pipe',
    timeout: 20_000,
  },
});
