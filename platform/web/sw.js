// Keeps every file of one build, so the program starts with no network. A new build has a
// cache of its own, filled whole at install; the old one is dropped when the new worker
// takes over, so a page never mixes the files of two builds.
const CACHE = "zephtor-@BUILD_VERSION@";
const FILES = @CACHED_FILES@;

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(
    caches.keys()
      .then((names) => Promise.all(names.filter((n) => n.startsWith("zephtor-") && n !== CACHE).map((n) => caches.delete(n))))
      .then(() => self.clients.claim()));
});

// The page's own files come from this build's cache (a query such as ?scale=2 names the
// same page); anything else goes to the network.
self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith(
    caches.open(CACHE).then((cache) =>
      cache.match(event.request, { ignoreSearch: true }).then((hit) => hit || fetch(event.request))));
});
