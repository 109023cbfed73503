// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the page's own files so that it works with the network gone: each is answered from its
// cache first. A new build names a new cache, fetched afresh, not from the HTTP cache; it takes
// over when no page of the old one is open, so that a page never mixes files of two builds, and
// then drops the old cache.
'use strict';
const cacheName = 'brannock-@VERSION@';
const files = @FILES@;

self.addEventListener('install', (event) => {
    // Where the browser can, it answers from the cache without starting the worker at all, which
    // would hold the page's first frame back; what the cache lacks still comes from the network.
    if (event.addRoutes)
        event.addRoutes({
            condition: {
                urlPattern: new URLPattern({baseURL: self.registration.scope, pathname: '*'}),
            },
            source: 'cache',
        });
    event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(
            files.map((file) => new Request(file, {cache: 'reload'})))));
});

self.addEventListener('activate', (event) => {
    event.waitUntil(caches.keys().then((names) => Promise.all(
            names.filter((name) => name.startsWith('brannock-') && name !== cacheName)
                    .map((name) => caches.delete(name)))));
});

self.addEventListener('fetch', (event) => {
    if (event.request.method === 'GET')
        event.respondWith(caches.open(cacheName)
                                  .then((cache) => cache.match(event.request, {ignoreSearch: true}))
                                  .then((hit) => hit || fetch(event.request)));
});
