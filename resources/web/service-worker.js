// Keeps the pages that were visited, and the files they loaded, for play without the network. Every build
// stamps this file anew: the browser then installs it at the next visit, and it drops the last build's files.
const cacheName = 'studio3d-@BUILD@';

self.addEventListener('install', () => self.skipWaiting());

self.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    for (const name of await caches.keys()) {
      if (name !== cacheName) {
        await caches.delete(name);
      }
    }
    await self.clients.claim();
  })());
});

// A page names the files it loaded before this worker could see them: its address, its script and its
// WebAssembly.
self.addEventListener('message', (event) => {
  if (Array.isArray(event.data?.keep)) {
    event.waitUntil(caches.open(cacheName).then(async (cache) => {
      for (const address of event.data.keep) {
        const url = new URL(address, self.location);
        url.search = '';
        if (url.origin === self.location.origin && !(await cache.match(url))) {
          await cache.add(url);
        }
      }
    }));
  }
});

// The query string is a page's command line: one copy of the page serves every one.
self.addEventListener('fetch', (event) => {
  const url = new URL(event.request.url);
  if (event.request.method !== 'GET' || url.origin !== self.location.origin) {
    return;
  }
  url.search = '';
  event.respondWith((async () => {
    const cache = await caches.open(cacheName);
    const kept = await cache.match(url);
    if (kept) {
      return kept;
    }
    const response = await fetch(event.request);
    if (response.ok) {
      await cache.put(url, response.clone());
    }
    return response;
  })());
});
