// A static file server for build/web on 127.0.0.1 only, with the types a
// browser needs. No caching, so a rebuilt page is what the next load gets.
// Usage: node scripts/serve.mjs DIR [PORT]   (PORT 0: any free port)
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize, resolve } from 'node:path';

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
  '.webmanifest': 'application/manifest+json',
};

const root = resolve(process.argv[2] ?? '.');
const port = Number(process.env.PORT ?? process.argv[3] ?? 8080);

const server = createServer(async (request, response) => {
  const path = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
  const file = normalize(join(root, path.endsWith('/') ? `${path}index.html` : path));
  const type = TYPES[extname(file)];
  if (!file.startsWith(root) || !type || request.method !== 'GET') {
    response.writeHead(404).end();
    return;
  }
  try {
    const body = await readFile(file);
    response.writeHead(200, { 'Content-Type': type, 'Cache-Control': 'no-store' }).end(body);
  } catch {
    response.writeHead(404).end();
  }
});

server.listen(port, '127.0.0.1', () => {
  console.log(`Serving ${root} at http://127.0.0.1:${server.address().port}/`);
});
