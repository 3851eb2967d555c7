// The web page in headless Chromium, driven over the DevTools protocol with real touch and
// key events, checked against the native program's own pictures of the same steps.
//   node browser_test.mjs WEB-FOLDER NATIVE-PROGRAM PNGSAME
import { execFileSync } from "node:child_process";
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";
import assert from "node:assert/strict";
import { chromium } from "playwright-core";
import { serve } from "../../platform/web/serve.mjs";

const [web, native, pngsame] = process.argv.slice(2);
const tests = join(dirname(fileURLToPath(import.meta.url)), "..");
const scratch = mkdtempSync(join(tmpdir(), "zephtor-web-"));
const CHROMIUM_FLAGS = ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
  "--disable-background-networking", "--disable-component-update", "--disable-sync"];
const PHONE = { viewport: { width: 390, height: 844 }, deviceScaleFactor: 3, isMobile: true, hasTouch: true };

// Screen pixels of the controls the steps use (the handheld's 240 x 320 screen).
const TOOLS_MENU = [15, 306], HELP_BUTTON = [163, 306], EXIT_ITEM = [60, 282];
// Ohm's law by touch, the voltage typed on the keyboard, the current on the input panel; then
// the Morse screen's Encode.
const OHMS_LAW = [TOOLS_MENU, [60, 75], [174, 86], "10", [174, 62], [30, 223], [174, 187]];
const MORSE = [TOOLS_MENU, [60, 155], [100, 79], "e", [174, 187]];

// The native program's picture after the same taps and typing.
function nativePicture(name, steps) {
  const file = join(scratch, `${name}.png`);
  const script = steps.map((s) => (typeof s === "string" ? `type ${s}` : `tap ${s[0]} ${s[1]}`)).join("\n")
    + `\nscreenshot ${file}\n`;
  execFileSync(native, ["--headless", "--script", "-"], { input: script, env: { ...process.env, ZEPHTOR_HELP_VIEWER: "" } });
  return file;
}

function samePicture(expected, actualPng, what) {
  const actual = join(scratch, `${what}.page.png`);
  writeFileSync(actual, actualPng);
  try {
    execFileSync(pngsame, [expected, actual], { stdio: "pipe" });
  } catch (e) {
    assert.fail(`${what}: the page's screen differs from the native program's (${e.stderr})`);
  }
}

async function canvasPng(page) {
  const url = await page.evaluate(() => document.getElementById("screen").toDataURL("image/png"));
  return Buffer.from(url.split(",")[1], "base64");
}

async function idle(page) {
  await page.waitForFunction(() => document.documentElement.dataset.zephtor === "waiting");
}

async function touch(page, [x, y], until = idle) {
  const r = await page.locator("#screen").boundingBox();
  await page.touchscreen.tap(r.x + (x + 0.5) * r.width / 240, r.y + (y + 0.5) * r.height / 320);
  await until(page);
}

// Taps on the screen and text typed on the keyboard, each handled before the next.
async function play(page, steps) {
  for (const step of steps) {
    if (typeof step === "string") await page.keyboard.type(step);
    await (typeof step === "string" ? idle(page) : touch(page, step));
  }
}

async function run() {
  const { server, url } = await serve(web, 0, { flows: join(tests, "flows") });
  const browser = await chromium.launch({ executablePath: "/usr/bin/chromium", args: CHROMIUM_FLAGS });
  const problems = [];
  // A profile of its own: an incognito one is never installable.
  const context = await chromium.launchPersistentContext(join(scratch, "profile"),
    { executablePath: "/usr/bin/chromium", args: CHROMIUM_FLAGS, ...PHONE });
  try {
    // Count the sounds the page starts through Web Audio.
    await context.addInitScript(() => {
      window.soundsStarted = 0;
      const start = AudioBufferSourceNode.prototype.start;
      AudioBufferSourceNode.prototype.start = function (...args) {
        window.soundsStarted++;
        return start.apply(this, args);
      };
    });
    const page = context.pages()[0] || await context.newPage();
    page.on("console", (m) => { if (m.type() === "error") problems.push(`console: ${m.text()}`); });
    page.on("pageerror", (e) => problems.push(`page error: ${e.message}`));
    await page.goto(url);
    await idle(page);
    const home = join(tests, "device/screenshots/home.png");
    samePicture(home, await canvasPng(page), "home");
    const screen = await page.locator("#screen").boundingBox();
    assert.ok(Math.abs(screen.width - 390) < 1, `upright on a phone the screen fills the width (${screen.width})`);

    await play(page, OHMS_LAW);
    samePicture(nativePicture("ohms-law", OHMS_LAW), await canvasPng(page), "ohms-law");

    // The help button opens the screen's topic in a new tab.
    const [help] = await Promise.all([context.waitForEvent("page"), touch(page, HELP_BUTTON)]);
    await help.waitForLoadState();
    assert.equal(new URL(help.url()).pathname + new URL(help.url()).hash, "/Zephtor.htm#DCOhmsLaw");
    await help.close();

    // The browser's Back is the screen's ok: home again.
    await page.goBack();
    await idle(page);
    samePicture(home, await canvasPng(page), "back-home");

    // Encode on the Morse screen plays through Web Audio.
    await play(page, MORSE);
    assert.ok(await page.evaluate(() => window.soundsStarted) > 0, "Encode started no sound");

    // At scale 1 in a 240 x 320 viewport the canvas is the viewport, pixel for pixel; a
    // script given to the page prints what the native program prints.
    const small = await (await browser.newContext({ viewport: { width: 240, height: 320 } })).newPage();
    await small.goto(`${url}?scale=1`);
    await idle(small);
    samePicture(home, await small.screenshot(), "scale-1");
    const flow = "ohms_law_checks";
    await small.goto(`${url}?script=flows/${flow}.script`);
    await small.waitForFunction(() => document.documentElement.dataset.zephtor === "ended");
    const expected = readFileSync(join(tests, `flows/${flow}.expected`), "utf8").replace(/status \d+\n$/, "");
    assert.equal(await small.locator("#driver-output").textContent(), expected, "the page's script output");

    // Chromium finds it installable.
    const cdp = await context.newCDPSession(page);
    const { installabilityErrors } = await cdp.send("Page.getInstallabilityErrors");
    assert.deepEqual(installabilityErrors, [], "installability errors");

    // Offline: with the server gone, a reload still starts the program.
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.reload();
    await idle(page);
    server.close();
    server.closeAllConnections();
    await page.reload();
    await idle(page);
    samePicture(home, await canvasPng(page), "offline-home");

    // Exit leaves a page that starts the program again.
    await touch(page, TOOLS_MENU);
    await touch(page, EXIT_ITEM, (p) => p.waitForFunction(() => document.documentElement.dataset.zephtor === "ended"));
    await page.getByRole("button", { name: "Start again" }).tap();
    await idle(page);
    assert.deepEqual(problems, [], "no console errors");
  } finally {
    server.close();
    await context.close();
    await browser.close();
  }
}

try {
  await run();
  console.log("web page: touch, keyboard, input panel, help, Back, sound, offline, install, scale 1, script: all as expected");
} finally {
  rmSync(scratch, { recursive: true, force: true });
}
