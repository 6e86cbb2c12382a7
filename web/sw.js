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
  // 'no-cache': each file checked with the server, as the browser's own
  // cache may hold the previous build's; one the page has just loaded is
  // not fetched again.
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(FILES.map((f) => new Request(f, {cache: 'no-cache'}))))
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
