// The browser test: the built page in Debian's headless Chromium, played with real held keys
// and mouse input, fingers (the DevTools protocol's touch events) and a stand-in gamepad, each
// frame run by the page's own clock, which the test holds. Each play script (web-scenario)
// drives the page and the desktop game of the same seed with the equivalent keys; their frames
// must match. Then the page's own paths: keys that are the browser's, Quit, a missing and a
// damaged data file, a damaged wasm, and a second visit without a network.
//
// node tests/web/run.mjs SITE BUILD: SITE is the page's folder, BUILD the desktop test build.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';

import { launchChromium, serve, urlOf } from './browser.mjs';

const [site, build] = process.argv.slice(2).map((p) => path.resolve(p));
const here = path.dirname(new URL(import.meta.url).pathname);
const seed = 1700000051;
const frameMs = 16;
const shots = process.env.ORRINDEL_WEB_SHOTS;  // a folder to keep the compared frames in
// At most this share of the pixels may differ from the desktop's by more than 24 levels, and
// the mean difference stays within a few levels (under 2 here): a light or a fog a little off
// shifts every pixel a little.
const maxShare = 0.05;
const maxLevels = 24;
const maxMean = 5;

const keyNames = { 13: 'Enter', 27: 'Escape', 273: 'ArrowUp', 274: 'ArrowDown',
                   275: 'ArrowRight', 276: 'ArrowLeft' };
const keyName = (sym) => keyNames[sym] ?? String.fromCharCode(sym);

// "P6" pictures as { width, height, rgb }.
function readPpm(bytes) {
  const header = bytes.subarray(0, 64).toString('latin1').match(/^P6\s+(\d+)\s+(\d+)\s+255\s/);
  assert.ok(header, 'not a binary PPM');
  return { width: Number(header[1]), height: Number(header[2]),
           rgb: bytes.subarray(header[0].length) };
}

function pngToPicture(png) {
  return readPpm(execFileSync('convert', ['png:-', 'ppm:-'], { input: png, maxBuffer: 1 << 24 }));
}

function compare(page, desktop) {
  assert.equal(page.width, desktop.width);
  assert.equal(page.height, desktop.height);
  let over = 0;
  let sum = 0;
  for (let i = 0; i < page.rgb.length; i += 3) {
    let d = 0;
    for (let c = 0; c < 3; ++c) {
      d = Math.max(d, Math.abs(page.rgb[i + c] - desktop.rgb[i + c]));
    }
    sum += d;
    if (d > maxLevels) ++over;
  }
  const pixels = page.rgb.length / 3;
  return { share: over / pixels, mean: sum / pixels };
}

// The play script of a mode (keys: the keyboard, mouse and a pad; touch), the desktop's
// script, the frames to compare and how many frames the run presents.
function scenario(dir, mode) {
  const file = path.join(dir, mode);
  const out = execFileSync(path.join(build, 'tests/web/web-scenario'),
                           [String(seed), path.join(build, 'textures'), file, mode]).toString();
  const events = fs.readFileSync(file, 'utf8').trim().split('\n').map((line) => {
    const [frame, kind, ...args] = line.split(' ');
    return { frame: Number(frame), kind, args, a: Number(args[0]), b: Number(args[1]) };
  });
  return { events, desktop: `${file}.desktop`,
           compared: out.match(/^compare (.*)$/m)[1].split(' ').map(Number),
           frames: Number(out.match(/^frames (\d+)$/m)[1]) };
}

function desktopFrames(dir, script, frames) {
  execFileSync(path.join(here, 'desktop-run'),
               [build, String(seed), script, dir, ...frames.map(String)],
               { stdio: ['ignore', 'inherit', 'inherit'] });
  return new Map(frames.map((n) => [n, readPpm(fs.readFileSync(path.join(dir, `frame-${n}.ppm`)))]));
}

// A page whose clock stands still at the seed's second until the test runs it, with a count
// of the frames it presents (each begins with one clear). A route does not see what the
// page's worker serves: a page with one has no worker.
async function openPage(browser, url, errors, route, options = {}) {
  const context = await browser.newContext({ viewport: { width: 800, height: 600 },
                                             serviceWorkers: route ? 'block' : 'allow',
                                             ...options });
  const page = await context.newPage();
  page.on('pageerror', (error) => errors.push(`page error: ${error.message}`));
  page.on('console', (message) => {
    if (message.type() === 'error') errors.push(`console: ${message.text()}`);
  });
  if (route) await page.route(route.pattern, route.handler);
  await page.addInitScript(() => {
    // A stand-in pad, set by the test between frames; no full screen, as on a phone without it.
    window.testPad = null;
    Object.defineProperty(navigator, 'getGamepads', { value: () => [window.testPad] });
    Object.defineProperty(document, 'fullscreenEnabled', { value: false });
    window.presentedFrames = 0;
    const clear = WebGL2RenderingContext.prototype.clear;
    WebGL2RenderingContext.prototype.clear = function (mask) {
      window.presentedFrames += 1;
      return clear.call(this, mask);
    };
  });
  await page.clock.install({ time: seed * 1000 });
  await page.clock.pauseAt(seed * 1000 + 512);
  await page.goto(url);
  return page;
}

const presented = (page) => page.evaluate(() => window.presentedFrames);

// The page's note once it says what pattern matches (or what it says after ten seconds).
async function note(page, pattern) {
  let text = '';
  for (let waited = 0; waited < 10000; waited += 50) {
    text = await page.locator('#note').innerText();
    if (pattern.test(text) && await page.locator('#note').isVisible()) break;
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
  return text;
}

const keyOf = { 121: 'y', 104: 'h', 117: 'u', 111: 'o', 27: 'Escape' };

// Plays the actions of a script but the keyboard's: the mouse; the pad; fingers by id (1 the
// stick, 5 a look drag, 6 a tap, a button's key for a button), each sent with the fingers it
// changes, and "down|up SYM" as what the touch controls hold.
function devices(page, cdp) {
  const mouse = { x: 400, y: 300 };
  const fingers = new Map();
  const touched = new Set();
  const touch = (type, ...ids) => cdp.send('Input.dispatchTouchEvent', {
    type, touchPoints: ids.map((id) => ({ id, ...fingers.get(id) })) });
  const place = async (id, x, y) => {
    const landing = !fingers.has(id);
    fingers.set(id, { x, y });
    await touch(landing ? 'touchStart' : 'touchMove', id);
  };
  const lift = async (id) => {
    if (fingers.has(id)) await touch('touchEnd', id);
    fingers.delete(id);
  };
  return async (e) => {
    if (e.kind === 'down' || e.kind === 'up') {
      touched[e.kind === 'down' ? 'add' : 'delete'](e.a);
      const dx = 60 * (touched.has(108) - touched.has(106));
      const dy = 60 * (touched.has(107) - touched.has(105));
      if (dx || dy) {
        if (!fingers.has(1)) await place(1, 130, 450);
        await place(1, 130 + dx, 450 + dy);
      } else {
        await lift(1);
      }
      for (const [sym, name] of Object.entries(keyOf).map(([s, n]) => [Number(s), n])) {
        if (!touched.has(sym)) {
          await lift(sym);
        } else if (!fingers.has(sym)) {
          const box = await page.locator(`[data-key="${name}"]`).boundingBox();
          await place(sym, box.x + box.width / 2, box.y + box.height / 2);
        }
      }
    } else if (e.kind === 'drag') {
      const at = fingers.get(5) ?? { x: 560, y: 300 };
      if (!fingers.has(5)) await place(5, at.x, at.y);
      await place(5, at.x + e.a, at.y + e.b);
    } else if (e.kind === 'drag-end') {
      await lift(5);
    } else if (e.kind === 'tap') {
      await place(6, e.a, e.b);
      await lift(6);
    } else if (e.kind === 'cancel') {
      await cdp.send('Input.dispatchTouchEvent', { type: 'touchCancel', touchPoints: [] });
      fingers.clear();
      touched.clear();
    } else if (e.kind === 'turn') {
      await page.setViewportSize({ width: e.a, height: e.b });
      await page.waitForFunction((upright) => document.getElementById('turn').hidden !== upright,
                                 e.b > e.a, { polling: 10 });
    } else if (e.kind === 'pad') {
      await page.evaluate(([axes, pressed = '']) => {
        const on = (i) => pressed.split(',').includes(String(i));
        window.testPad = axes === 'none' ? null : {
          id: 'Test pad', index: 0, connected: true, mapping: 'standard', timestamp: 0,
          axes: axes.split(',').map(Number),
          buttons: Array.from({ length: 17 }, (_, i) => ({ pressed: on(i), value: +on(i) })) };
      }, e.args);
    } else if (e.kind === 'motion') {
      mouse.x += e.a;
      mouse.y += e.b;
      await page.mouse.move(mouse.x, mouse.y);
    } else if (e.kind === 'pointer-lost') {
      await page.evaluate(() => new Promise((resolve) => {
        document.addEventListener('pointerlockchange', resolve, { once: true });
        document.exitPointerLock();
      }));
    } else if (e.kind === 'browsers-keys') {
      // Keys with Ctrl, Alt or Meta: not cancelled, and no latch (a held k would fly the
      // player back, and the frames after would differ). The right button's menu: cancelled.
      assert.deepEqual(await page.evaluate(() => {
        const key = new KeyboardEvent('keydown', { key: 'k', ctrlKey: true, cancelable: true });
        const click = new MouseEvent('contextmenu', { bubbles: true, cancelable: true });
        window.dispatchEvent(key);
        document.getElementById('canvas').dispatchEvent(click);
        return [key.defaultPrevented, click.defaultPrevented];
      }), [false, true]);
    }
  };
}

async function playScenario(browser, url, mode, plan, desktop, errors) {
  const page = await openPage(browser, url, errors, null, { hasTouch: mode === 'touch' });
  await page.waitForSelector('#stage:not([hidden])');
  const cdp = await page.context().newCDPSession(page);
  const act = devices(page, cdp);
  const held = new Set();
  if (mode === 'keys') {
    // The click that takes the pointer for mouse look, while the menu is open.
    await page.mouse.click(400, 300);
    await page.waitForFunction(() => document.pointerLockElement !== null, null, { polling: 10 });
  } else if (mode === 'touch') {
    // A first touch shows the controls; on no line of the menu, it chooses nothing.
    await act({ kind: 'tap', a: 400, b: 590 });
    await page.waitForSelector('[data-key="y"]', { state: 'visible' });
  }
  let next = 0;
  for (let frame = 0; frame < plan.frames; ++frame) {
    // A held key repeats, as a browser repeats it; the game must see one press.
    for (const k of held) await page.keyboard.down(k);
    for (; next < plan.events.length && plan.events[next].frame === frame; ++next) {
      const e = plan.events[next];
      if (mode === 'keys' && (e.kind === 'down' || e.kind === 'up')) {
        await page.keyboard[e.kind](keyName(e.a));
        held[e.kind === 'down' ? 'add' : 'delete'](keyName(e.a));
      } else {
        await act(e);
      }
    }
    // Steps that present nothing (the end screen's) go on until one does.
    for (let steps = 0; (await presented(page)) === frame && steps < 10; ++steps) {
      await page.clock.runFor(frameMs);
    }
    assert.equal(await presented(page), frame + 1, `frame ${frame + 1} was not presented`);
    if (desktop.has(frame + 1)) {
      const png = await page.screenshot({ style: '#controls { visibility: hidden; }' });
      if (shots) fs.writeFileSync(path.join(shots, `${mode}-${frame + 1}.png`), png);
      const shot = pngToPicture(png);
      const d = compare(shot, desktop.get(frame + 1));
      console.log(`${mode} frame ${frame + 1}: ${(100 * d.share).toFixed(2)} % of the pixels ` +
                  `differ by more than ${maxLevels} levels; mean difference ${d.mean.toFixed(2)}`);
      assert.ok(d.share <= maxShare && d.mean <= maxMean, `${mode} frame ${frame + 1} differs from the desktop's`);
    }
  }
  // The last Return chose Quit: the next step ends the game, and Enter plays again.
  await page.clock.runFor(frameMs);
  assert.match(await note(page, /ended/), /The game has ended/);
  await page.keyboard.press('Enter');
  await page.waitForSelector('#stage:not([hidden])');
  await page.context().close();
}

// A data file that does not arrive or arrives broken, and a wasm that does not compile: each
// says so, the broken file in the game's own words, the wasm with the browser's reason (not
// the connection). Errors on the page name the failure.
async function failurePaths(browser, url) {
  for (const [pattern, response, message] of [
    ['**/font-*.bmp', { status: 404 }, /could not load its files[\s\S]*font-\w+\.bmp: 404/],
    ['**/font-*.bmp', { body: 'BM not a picture' },
     /missing or damaged[\s\S]*Erreur : Le fichier \.\/textures\/font\.bmp requis n'existe pas !!/],
    ['**/orrindel-*.wasm', { body: '\0asm damaged' }, /could not start in this browser[\s\S]*WebAssembly/],
  ]) {
    const seen = [];
    const page = await openPage(browser, url, seen, { pattern, handler: (r) => r.fulfill(response) });
    await page.clock.runFor(frameMs);
    assert.match(await note(page, message), message);
    assert.ok(seen.every((e) => /404|WebAssembly/.test(e)), seen.join('\n'));
    await page.context().close();
  }
}

// After a visit, the version's worker plays the page without a network. A new version's worker
// takes over and leaves only its own cache: the test makes one of a copy of the site.
async function offline(browser, errors) {
  const copy = path.join(dir, 'site');
  fs.cpSync(site, copy, { recursive: true });
  const copyServer = await serve(copy);
  const version = fs.readFileSync(path.join(copy, 'sw.js'), 'utf8').match(/version = '(\w+)'/)[1];
  const page = await openPage(browser, urlOf(copyServer), errors);
  const played = async (expected) => {  // the first frame, of that version's page
    await page.waitForSelector('#stage:not([hidden])');
    await page.clock.runFor(frameMs);
    assert.deepEqual([await presented(page), await page.locator('meta[name=orrindel-version]')
      .getAttribute('content')], [1, expected]);
  };
  await played(version);
  await page.evaluate(() => navigator.serviceWorker.ready);
  for (const file of ['index.html', 'sw.js'].map((name) => path.join(copy, name))) {
    fs.writeFileSync(file, fs.readFileSync(file, 'utf8').replaceAll(version, 'next'));
  }
  await page.reload();
  await played('next');  // index.html comes from the network first
  const cacheVersions = () => page.evaluate(
    async () => (await caches.keys()).map((name) => name.split(' ').pop()).join());
  for (let waited = 0; await cacheVersions() !== 'next' && waited < 10000; waited += 50) {
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
  assert.equal(await cacheVersions(), 'next', 'the caches left after an update');
  await page.context().setOffline(true);
  await page.reload();
  await played('next');
  await page.context().close();
  copyServer.close();
}

const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'orrindel-web-'));
const server = await serve(site);
const url = urlOf(server);
const browser = await launchChromium();
const errors = [];
try {
  for (const mode of ['keys', 'touch']) {
    const plan = scenario(dir, mode);
    const desktop = desktopFrames(dir, plan.desktop, plan.compared);
    await playScenario(browser, url, mode, plan, desktop, errors).catch((error) => {
      throw new Error(`${error.message}\n${errors.join('\n')}`);
    });
  }
  await failurePaths(browser, url);
  await offline(browser, errors);
  assert.deepEqual(errors, [], 'errors on the page');
  console.log('browser test: passed');
} finally {
  await browser.close();
  server.close();
  fs.rmSync(dir, { recursive: true, force: true });
}
