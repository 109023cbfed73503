// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the page's own files so that it works with the network gone: each is answered from the
// cache first. A new build names a new cache and drops the old one.
'use strict';
const cacheName = 'brannock-@VERSION@';
const files = @FILES@;

self.addEventListener('install', (event) => {
    event.waitUntil(caches.open(cacheName)
                            .then((cache) => cache.addAll(files))
                            .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
    event.waitUntil(caches.keys()
                            .then((names) => Promise.all(names.filter((name) => name !== cacheName)
                                                                 .map((name) => caches.delete(name))))
                            .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
    if (event.request.method === 'GET')
        event.respondWith(caches.match(event.request, {ignoreSearch: true})
                                  .then((hit) => hit || fetch(event.request)));
});
