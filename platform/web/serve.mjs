// Serves a folder over HTTP on localhost (a secure context, so the service worker runs):
//   node serve.mjs FOLDER [PORT] [PREFIX=FOLDER ...]
// Each PREFIX=FOLDER serves another folder under /PREFIX/. Imported, `serve` starts one
// and answers its server and address.
import { createServer } from "node:http";
import { readFile } from "node:fs/promises";
import { extname, join, normalize, resolve } from "node:path";
import { pathToFileURL } from "node:url";

const TYPES = {
  ".html": "text/html; charset=utf-8", ".htm": "text/html; charset=utf-8", ".js": "text/javascript",
  ".mjs": "text/javascript", ".wasm": "application/wasm", ".json": "application/json",
  ".webmanifest": "application/manifest+json", ".png": "image/png", ".data": "application/octet-stream",
  ".script": "text/plain; charset=utf-8", ".expected": "text/plain; charset=utf-8",
};

export function serve(root, port = 0, mounts = {}) {
  const server = createServer(async (request, response) => {
    let path = decodeURIComponent(new URL(request.url, "http://localhost").pathname);
    let folder = resolve(root);
    for (const [prefix, mounted] of Object.entries(mounts)) {
      if (path.startsWith(`/${prefix}/`)) {
        folder = resolve(mounted);
        path = path.slice(prefix.length + 1);
      }
    }
    if (path.endsWith("/")) path += "index.html";
    const file = normalize(join(folder, path));
    if (!file.startsWith(folder)) {
      response.writeHead(403).end();
      return;
    }
    try {
      const body = await readFile(file);
      response.writeHead(200, { "Content-Type": TYPES[extname(file)] || "application/octet-stream", "Cache-Control": "no-cache" });
      response.end(body);
    } catch {
      response.writeHead(404).end("not found");
    }
  });
  return new Promise((done) => server.listen(port, "127.0.0.1", () => done({ server, url: `http://localhost:${server.address().port}/` })));
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
  const [root, port = "8240", ...rest] = process.argv.slice(2);
  const mounts = Object.fromEntries(rest.map((m) => m.split("=")));
  const { url } = await serve(root, Number(port), mounts);
  console.log(`Serving ${root} on ${url} (Ctrl+C stops)`);
}
