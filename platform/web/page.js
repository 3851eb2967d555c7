// The browser side of the web backend: the canvas, pointer and keyboard input, Web Audio,
// history, help, the clipboard, and a script run through the automation driver. The
// program asks for what has happened (nextEvent) and waits, suspended, until there is
// something (waitForEvent); nothing here polls.
"use strict";
(() => {
  const WIDTH = 240, HEIGHT = 320;
  const STYLUS_DOWN = 1, STYLUS_MOVE = 2, STYLUS_UP = 3, KEY = 4, CHARACTER = 5, CLOSE = 6, BACK = 7, PASTE = 8;
  // Virtual-key codes of the keys the program knows by name.
  const VIRTUAL_KEYS = {
    Enter: 0x0D, Backspace: 0x08, Escape: 0x1B, Delete: 0x2E, ArrowLeft: 0x25, ArrowUp: 0x26,
    ArrowRight: 0x27, ArrowDown: 0x28, Home: 0x24, End: 0x23, Tab: 0x09, PageUp: 0x21, PageDown: 0x22,
    Shift: 0x10, Control: 0x11, Alt: 0x12, F4: 0x73,
  };

  const params = new URLSearchParams(location.search);
  const canvas = document.getElementById("screen");
  const context = canvas.getContext("2d");
  const image = context.createImageData(WIDTH, HEIGHT);
  const events = [];
  const output = [];
  let wake = null;         // ends the program's wait
  let playing = null;      // stops the sound that plays
  let audio = null;
  let pushed = false;      // our history entry for a screen is on top
  let ignoredPops = 0;     // history.back() calls of our own still to come back as popstate
  let pasted = "";
  let stylusDown = false;

  // What the program is doing, for scripts and tests that drive the page: "running",
  // "waiting" for input, or "ended".
  function state(now) {
    document.documentElement.dataset.zephtor = now;
  }

  function queue(kind, a = 0, b = 0) {
    // While a sound plays, taps and typing are dropped, as natively; releases and a close are not.
    const released = kind === STYLUS_UP || (kind === KEY && b === 0);
    if (playing && !released && kind !== CLOSE && kind !== BACK) return;
    if (playing && kind === CLOSE) playing();
    events.push([kind, a, b]);
    if (wake) {
      state("running");
      const w = wake;
      wake = null;
      w();
    }
  }

  // Crisp pixels: whole device pixels per screen pixel where the screen is coarse; on a
  // fine screen (a phone's) the largest size that fits, so held upright it fills the width.
  function layout() {
    const ratio = window.devicePixelRatio || 1;
    const forced = parseInt(params.get("scale"), 10);
    let devicePixels;
    if (forced >= 1) {
      devicePixels = forced;
    } else {
      const fit = Math.min(window.innerWidth * ratio / WIDTH, window.innerHeight * ratio / HEIGHT);
      devicePixels = fit < 1 || ratio >= 2 ? fit : Math.floor(fit);
    }
    canvas.style.width = `${WIDTH * devicePixels / ratio}px`;
    canvas.style.height = `${HEIGHT * devicePixels / ratio}px`;
  }

  function screenPoint(event) {
    const r = canvas.getBoundingClientRect();
    const x = Math.floor((event.clientX - r.left) * WIDTH / r.width);
    const y = Math.floor((event.clientY - r.top) * HEIGHT / r.height);
    return [Math.max(0, Math.min(WIDTH - 1, x)), Math.max(0, Math.min(HEIGHT - 1, y))];
  }

  // Opening the audio output takes long enough to hold up a repaint, so it is done once the
  // program is up; browsers let it start only after a person has touched the page.
  function prepareAudio() {
    const Context = window.AudioContext || window.webkitAudioContext;
    if (!audio && Context) audio = new Context();
  }

  function unlockAudio() {
    if (!audio) prepareAudio();
    if (audio && audio.state === "suspended") audio.resume();
  }

  function listen() {
    canvas.addEventListener("pointerdown", (e) => {
      if (e.button !== 0) return;
      e.preventDefault();
      unlockAudio();
      canvas.focus();
      canvas.setPointerCapture(e.pointerId);
      stylusDown = true;
      queue(STYLUS_DOWN, ...screenPoint(e));
    });
    canvas.addEventListener("pointermove", (e) => {
      if (stylusDown) queue(STYLUS_MOVE, ...screenPoint(e));
    });
    const lift = (e) => {
      if (!stylusDown) return;
      stylusDown = false;
      queue(STYLUS_UP, ...screenPoint(e));
    };
    canvas.addEventListener("pointerup", lift);
    canvas.addEventListener("pointercancel", lift);
    canvas.addEventListener("contextmenu", (e) => e.preventDefault());
    window.addEventListener("keydown", (e) => key(e, true));
    window.addEventListener("keyup", (e) => key(e, false));
    document.addEventListener("paste", (e) => {
      pasted = e.clipboardData ? e.clipboardData.getData("text/plain") : "";
      e.preventDefault();
      queue(PASTE);
    });
    window.addEventListener("popstate", () => {
      if (ignoredPops > 0) {
        ignoredPops--;
        return;
      }
      if (!pushed) return;
      pushed = false;
      queue(BACK);
    });
    window.addEventListener("resize", layout);
  }

  function key(e, down) {
    if (e.metaKey) return;
    const control = e.ctrlKey && e.key !== "Control";
    // Ctrl+V pastes what the browser's paste event brings.
    if (control && e.key.toLowerCase() === "v") return;
    if (down) unlockAudio();
    let code = VIRTUAL_KEYS[e.key];
    if (!code && control && /^[a-z]$/i.test(e.key)) code = e.key.toUpperCase().charCodeAt(0);
    if (code) {
      e.preventDefault();
      queue(KEY, code, down ? 1 : 0);
    } else if (down && !control && !e.altKey && [...e.key].length === 1) {
      e.preventDefault();
      for (let i = 0; i < e.key.length; i++) queue(CHARACTER, e.key.charCodeAt(i));
    }
  }

  function play(samples, rate) {
    return new Promise((resolve) => {
      let source = null, timer = 0;
      const finish = (closed) => {
        if (!playing) return;
        playing = null;
        clearTimeout(timer);
        if (source) {
          source.onended = null;
          try { source.stop(); } catch (_) { /* already over */ }
        }
        resolve(closed ? 1 : 0);
      };
      const length = samples.length * 1000 / rate;
      if (audio && audio.state === "running") {
        const buffer = audio.createBuffer(1, samples.length, rate);
        const channel = buffer.getChannelData(0);
        for (let i = 0; i < samples.length; i++) channel[i] = samples[i] / 32768;
        source = audio.createBufferSource();
        source.buffer = buffer;
        source.connect(audio.destination);
        source.onended = () => finish(false);
        source.start();
      }
      // Without sound the time passes in silence; a stalled device holds no longer either.
      timer = setTimeout(() => finish(false), length + (source ? 500 : 0));
      playing = () => finish(true);
    });
  }

  function present(pixels, width, height, okShown, atHome) {
    // 0x00RRGGBB pixels become the canvas's R, G, B, A bytes (little-endian words).
    const from = new Uint32Array(pixels.buffer, pixels.byteOffset, width * height);
    const to = new Uint32Array(image.data.buffer);
    for (let i = 0; i < from.length; i++) {
      const p = from[i];
      to[i] = 0xFF000000 | ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >>> 16) & 0xFF);
    }
    context.putImageData(image, 0, 0);
    performance.mark("zephtor-present");
    // A screen shown is a place in the history: Back is its ok button.
    if (okShown && !pushed) {
      history.pushState({ zephtor: "screen" }, "");
      pushed = true;
    } else if (atHome && pushed) {
      pushed = false;
      ignoredPops++;
      history.back();
    }
  }

  // Told by the program, and again by the runtime when the program never had to wait.
  function ended(code) {
    if (document.documentElement.dataset.zephtor === "ended") return;
    state("ended");
    document.body.textContent = "";
    const page = document.createElement("main");
    page.id = "ended";
    page.innerHTML = "<p>Zephtor has ended.</p><button type=\"button\">Start again</button>";
    page.querySelector("button").addEventListener("click", () => location.replace(location.pathname + location.search));
    document.body.append(page);
    if (params.has("script")) {
      const pre = document.createElement("pre");
      pre.id = "driver-output";
      pre.textContent = output.map((line) => line + "\n").join("");
      document.body.append(pre);
    }
    document.title = `Zephtor (ended, ${code})`;
  }

  // A script named by ?script= (of this site only) is fetched before the program starts.
  function fetchScript(module) {
    const name = params.get("script");
    if (name === null) return;
    const url = new URL(name, location.href);
    module.addRunDependency("script");
    const fail = (why) => {
      console.error(`zephtor: cannot read the script ${name}: ${why}`);
      module.FS.writeFile("/script", "");
      module.removeRunDependency("script");
    };
    if (url.origin !== location.origin) return fail("it is not on this site");
    fetch(url).then((r) => (r.ok ? r.text() : Promise.reject(new Error(`HTTP ${r.status}`)))).then((text) => {
      module.FS.writeFile("/script", text);
      module.removeRunDependency("script");
    }, (error) => fail(error.message));
  }

  const page = {
    canvas,
    nextEvent: () => events.shift(),
    // Resolves when an event is queued; `briefly`: also at the next turn of the browser,
    // for a script that waits on the program.
    waitForEvent: (briefly) => new Promise((resolve) => {
      if (events.length) return resolve();
      if (!performance.getEntriesByName("zephtor-home").length) {
        performance.mark("zephtor-home");
        setTimeout(() => {
          prepareAudio();
          keepForOffline();
        }, 0);
      }
      state("waiting");
      wake = resolve;
      if (briefly) setTimeout(() => { if (wake === resolve) { wake = null; state("running"); resolve(); } }, 0);
    }),
    play,
    present,
    keepHistoryEntry: () => {
      history.pushState({ zephtor: "screen" }, "");
      pushed = true;
    },
    copy: (text) => {
      if (navigator.clipboard && navigator.clipboard.writeText) navigator.clipboard.writeText(text).catch(() => {});
    },
    pastedText: () => pasted,
    ended,
    openHelp: (fileAndAnchor) => (window.open(new URL(fileAndAnchor, location.href).href, "_blank") ? 1 : 0),
  };

  window.Module = {
    zephtorPage: page,
    preRun: [function () {
      window.Module.ENV.ZEPHTOR_FONT_DIR = "/fonts";
      fetchScript(window.Module);
    }],
    print: (line) => {
      console.log(line);
      output.push(line);
    },
    printErr: (line) => {
      console.error(line);
      output.push(line);
    },
    onExit: ended,
    arguments: params.has("script") ? ["--script", "/script"] : [],
  };

  // Once the program is up, so the worker's copies of its files don't compete with its
  // start (and a browser's HTTP cache can serve them).
  function keepForOffline() {
    if ("serviceWorker" in navigator) navigator.serviceWorker.register("sw.js").catch(() => {});
  }

  state("running");
  layout();
  listen();
})();
