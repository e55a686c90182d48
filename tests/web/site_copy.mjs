// A copy of the site as `cmake --install` lays it out, served on a port of
// its own: the tests of the installed app may stop its server (no network)
// or change its files (a new build) without touching build/web.
import { execFileSync, spawn } from 'node:child_process';
import { mkdtempSync, readdirSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';

const root = fileURLToPath(new URL('../../', import.meta.url));

export function installSite() {
  const dir = mkdtempSync(join(root, 'build', 'site-'));
  execFileSync('cmake', ['--install', join(root, 'build/web'), '--prefix', dir], { stdio: 'ignore' });
  return dir;
}

/** Serves `dir` on 127.0.0.1, any free port; resolves to { url, stop }. */
export function serveSite(dir) {
  const child = spawn(process.execPath, [join(root, 'scripts/serve.mjs'), dir, '0'],
    { stdio: ['ignore', 'pipe', 'inherit'] });
  return new Promise((resolve, reject) => {
    let out = '';
    child.stdout.on('data', (chunk) => {
      out += chunk;
      const m = / at (http:\/\/127\.0\.0\.1:\d+\/)/.exec(out);
      if (m) {
        resolve({
          url: m[1],
          stop: () => new Promise((done) => {
            if (child.exitCode !== null || child.signalCode !== null) return done();
            child.once('exit', done);
            child.kill();
          }),
        });
      }
    });
    child.once('exit', (code) => reject(new Error(`server for ${dir} exited (${code})`)));
  });
}

/** Edits files of the site, then writes its worker again as the build would. */
export function rebuildSite(dir, edits) {
  for (const [name, edit] of Object.entries(edits)) {
    writeFileSync(join(dir, name), edit(readFileSync(join(dir, name), 'utf8')));
  }
  const files = readdirSync(dir).filter((name) => name !== 'sw.js');
  execFileSync('python3', [join(root, 'web/make_worker.py'), dir, join(root, 'web/worker.js'),
    join(dir, 'sw.js'), ...files]);
}
