// The offline copy of the site. make_worker.py puts CACHE and FILES above
// this text: one cache per build, named by a hash of all its files, each file
// fetched with its own hash as integrity, so a cache holds one whole build or
// nothing. A new build's worker waits until no tab of the old one is open,
// then drops the old cache: no page ever gets files of two builds.
/* global CACHE, FILES */

self.addEventListener('install', (event) => {
  // Past the HTTP cache: it could still hold the files of the last build.
  const requests = FILES.map(([url, integrity]) => new Request(url, { cache: 'reload', integrity }));
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(requests)));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys().then((names) => Promise.all(names
    .filter((name) => name.startsWith('reacalc-') && name !== CACHE)
    .map((name) => caches.delete(name)))));
});

self.addEventListener('fetch', (event) => {
  const { request } = event;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  // A share link is the page with a query: the page's cached copy serves it.
  const options = { ignoreSearch: request.mode === 'navigate' };
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(request, options))
    .then((cached) => cached ?? fetch(request)));
});
