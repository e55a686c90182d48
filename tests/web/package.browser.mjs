// The npm package's module in Chromium, imported by a plain page of its own
// (served by a route of this test, beside the built package in build/web/npm/,
// the file the tarball carries): its answers are reacalc-cli's.
import { spawnSync } from 'node:child_process';
import { fileURLToPath } from 'node:url';

import { expect, test } from './page_support.mjs';

const cli = (args) => spawnSync(fileURLToPath(new URL('../../build/linux/reacalc-cli', import.meta.url)), args);
const SETUP = ['--at', '37', '--compare', '120,144', '--', '0.45', '3', '60', '81'];

const PAGE = `<!doctype html><html lang="en"><title>reacalc package</title><link rel="icon" href="data:,">
<script type="module">
  import { framebreaks, run } from '/npm/reacalc.js';
  try {
    window.answers = {
      table: framebreaks({ baseRea: 0.45, firingMode: 3, fps: 60, rea: 81, at: 37, compare: '120,144' }),
      error: framebreaks({ baseRea: '0.45', firingMode: '3', fps: '0', rea: '81' }),
      file: run(['--list', 'weapons.csv']), // no file system here: unreadable
    };
  } catch (error) {
    window.answers = { thrown: String(error) };
  }
</script></html>`;

test('the package imports from a plain page and answers as the CLI does', async ({ page }) => {
  await page.route('**/package.html', (route) => route.fulfill({ contentType: 'text/html', body: PAGE }));
  await page.goto('/package.html');
  const answers = await (await page.waitForFunction(() => window.answers, null, { timeout: 20_000 })).jsonValue();
  const missing = cli(['--list', 'no-such-file.csv']);
  expect(answers).toEqual({
    table: JSON.parse(cli(['--json', ...SETUP]).stdout),
    error: JSON.parse(cli(['--json', '0.45', '3', '0', '81']).stdout),
    file: { status: missing.status, stdout: '', stderr: missing.stderr.toString().replace('no-such-file.csv', 'weapons.csv') },
  });
});
