// SPDX-License-Identifier: MIT
// Krellwick's service worker: the first visit caches the whole game, so it
// starts again without a network. scripts/web.sh writes in the files and the
// build's version (a hash of them): a new build is a new worker, which
// fetches the new files into a cache of its own and drops the old one.
'use strict';
const VERSION = '@VERSION@';
const FILES = ['./', /*@FILES@*/];
const PREFIX = 'krellwick-';
const CACHE = PREFIX + VERSION;

self.addEventListener('install', (event) => {
  // 'reload': the files from the server, not from the browser's HTTP cache,
  // which may still hold the previous build's.
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(FILES.map((f) => new Request(f, {cache: 'reload'}))))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  // Other games on this origin keep their caches; only ours are replaced.
  event.waitUntil(caches.keys()
    .then((keys) => Promise.all(keys.filter((k) => k.startsWith(PREFIX) && k !== CACHE)
                                    .map((k) => caches.delete(k))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  // Only the game's own files come from the cache (a query string does not
  // make another file); anything else goes to the network and is not kept.
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(event.request, {ignoreSearch: true}))
    .then((hit) => hit || fetch(event.request)));
});
