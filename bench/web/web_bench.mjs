// The web version's budgets, measured in headless Chromium on this machine (a benchmark: it
// reports, it never fails on a figure):
//   - what a first visit transfers, gzipped (every file the service worker keeps);
//   - navigation start to the home view painted, beside a bare Emscripten page that
//     paints one frame (median of the runs);
//   - a tap to its repaint reaching the canvas, against one display frame.
//   node web_bench.mjs WEB-FOLDER BARE-FOLDER
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { gzipSync } from "node:zlib";

import { chromium } from "playwright-core";
const { serve } = await import(new URL("../../platform/web/serve.mjs", import.meta.url));

const [web, bare] = process.argv.slice(2);
const RUNS = 15;
const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];
const flags = ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
  "--disable-component-update", "--disable-sync"];

const worker = readFileSync(join(web, "sw.js"), "utf8");
const files = JSON.parse(worker.match(/const FILES = (\[[^\]]*\])/)[1]).filter((f) => f !== "./");
let total = 0;
for (const file of files) total += gzipSync(readFileSync(join(web, file)), { level: 9 }).length;
console.log(`first visit: ${files.length} files, ${(total / 1e6).toFixed(3)} MB gzipped (budget 1.0 MB)`);

const browser = await chromium.launch({ executablePath: "/usr/bin/chromium", args: flags });
async function homeTimes(folder, path) {
  const { server, url } = await serve(folder);
  const times = [];
  for (let i = 0; i < RUNS; i++) {
    const context = await browser.newContext({ viewport: { width: 240, height: 320 } });
    const page = await context.newPage();
    await page.goto(url + path);
    await page.waitForFunction(() => performance.getEntriesByName("zephtor-home").length > 0);
    times.push(await page.evaluate(() => performance.getEntriesByName("zephtor-home")[0].startTime));
    await context.close();
  }
  server.close();
  return median(times);
}
const program = await homeTimes(web, "?scale=1");
const yardstick = await homeTimes(bare, "bare.html");
console.log(`navigation start to home view: ${program.toFixed(1)} ms (budget 250 ms); bare page ${yardstick.toFixed(1)} ms;`
  + ` ratio ${(program / yardstick).toFixed(2)}`);

// Taps that open and close the Tools menu: from the touch to the repaint on the canvas.
const { server, url } = await serve(web);
const context = await browser.newContext({ viewport: { width: 240, height: 320 }, hasTouch: true });
const page = await context.newPage();
await page.goto(url + "?scale=1");
await page.waitForFunction(() => document.documentElement.dataset.zephtor === "waiting");
await page.evaluate(() => document.getElementById("screen").addEventListener("pointerdown", (e) => { window.tappedAt = e.timeStamp; }));
const delays = [];
for (let i = 0; i < 20; i++) {
  await page.touchscreen.tap(15, 306);
  await page.waitForFunction(() => document.documentElement.dataset.zephtor === "waiting");
  delays.push(await page.evaluate(() => {
    const shown = performance.getEntriesByName("zephtor-present").find((m) => m.startTime >= window.tappedAt);
    return shown.startTime - window.tappedAt;
  }));
}
console.log(delays.map((d) => d.toFixed(1)).join(" "));
console.log(`tap to repaint: median ${median(delays).toFixed(2)} ms, worst ${Math.max(...delays).toFixed(2)} ms`
  + ` (budget one display frame, 16.7 ms)`);
await browser.close();
server.close();
