// scripts/bench web's browser side: node bench/web/bench.mjs SITE BENCH_PAGE [STARTUP_MS]
// SITE is the page's folder (build-web/site), BENCH_PAGE the render benchmark's page
// (web_bench.cpp's folder). Serves both on 127.0.0.1, drives the system's headless Chromium
// and prints, after the marker of figures.h, the site's gzip transfer, its start time, and
// the benchmark page's figures. With STARTUP_MS (the desktop's start-up in the same run) it
// also prints how the two start times compare.
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';

// The browser test's server and browser, and its installation (scripts/setup-web).
import { launchChromium, serve, urlOf } from '../../tests/web/browser.mjs';

const marker = '--- figures ---';
const starts = 5;
const benchTimeoutMs = 10 * 60 * 1000;

function filesOf(dir) {
  return fs.readdirSync(dir, { withFileTypes: true }).flatMap((entry) => {
    const where = path.join(dir, entry.name);
    return entry.isDirectory() ? filesOf(where) : [where];
  });
}

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = Math.floor(sorted.length / 2);
  return sorted.length % 2 === 1 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

// As figures.cpp prints them: about three significant digits.
function figure(name, value, unit) {
  const digits = value >= 100 ? 0 : value >= 10 ? 1 : value >= 1 ? 2 : 4;
  return `${name}: ${value.toFixed(digits)} ${unit}`;
}

// What a browser downloads with gzip on: every file compressed on its own. KB of 1000 bytes.
function transferKb(site) {
  let bytes = 0;
  for (const file of filesOf(site)) {
    bytes += zlib.gzipSync(fs.readFileSync(file), { level: 9 }).length;
  }
  return bytes / 1000;
}

// Runs in the page before its own scripts: the first frame with anything drawn is the first
// that calls drawElements (platform/web/webgl_draw.cpp draws nothing else); the browser shows
// that frame once the step that drew it returns, so it counts as presented at the next
// animation frame. Times are from the navigation's start (performance.now()).
function watchFirstFrame() {
  const drawElements = WebGL2RenderingContext.prototype.drawElements;
  WebGL2RenderingContext.prototype.drawElements = function (...args) {
    if (window.firstDrawMs === undefined) {
      window.firstDrawMs = performance.now();
      requestAnimationFrame(() => {
        window.firstPresentedMs = performance.now();
      });
    }
    return drawElements.apply(this, args);
  };
}

async function startMs(browser, url) {
  const context = await browser.newContext({ viewport: { width: 1024, height: 768 } });
  try {
    const page = await context.newPage();
    const errors = [];
    page.on('pageerror', (error) => errors.push(String(error)));
    await page.addInitScript(watchFirstFrame);
    await page.goto(url);
    await page.waitForFunction(() => window.firstPresentedMs !== undefined, null,
                               { timeout: 60000 })
      .catch((error) => {
        throw new Error(`the site presented no frame: ${errors.join('; ') || error.message}`);
      });
    return await page.evaluate(() => window.firstPresentedMs);
  } finally {
    await context.close();
  }
}

async function benchPageFigures(browser, url) {
  const context = await browser.newContext({ viewport: { width: 1024, height: 768 } });
  try {
    const page = await context.newPage();
    const lines = [];
    page.on('console', (message) => lines.push(message.text()));
    page.on('pageerror', (error) => lines.push(`page error: ${error}`));
    await page.goto(url);
    await page.waitForFunction(() => window.benchEnd !== undefined, null,
                               { timeout: benchTimeoutMs, polling: 500 });
    const end = await page.evaluate(() => window.benchEnd);
    if (end !== 'done') {
      throw new Error(`the benchmark page ${end}\n${lines.join('\n')}`);
    }
    const at = lines.indexOf(marker);
    return at < 0 ? [] : lines.slice(at + 1).filter((line) => line.trim() !== '');
  } finally {
    await context.close();
  }
}

async function main() {
  const [siteArg, benchArg, startupArg] = process.argv.slice(2);
  if (!siteArg || !benchArg) {
    throw new Error('usage: bench.mjs SITE BENCH_PAGE [STARTUP_MS]');
  }
  const site = path.resolve(siteArg);
  const benchPage = path.resolve(benchArg);
  const figures = [figure('web_transfer_kb', transferKb(site), 'KB')];

  const siteServer = await serve(site);
  const benchServer = await serve(benchPage);
  const browser = await launchChromium();
  try {
    // Fresh contexts: nothing cached from the load before.
    const times = [];
    for (let i = 0; i < starts; ++i) {
      times.push(await startMs(browser, urlOf(siteServer)));
    }
    console.log(`web start, ms: ${times.map((t) => t.toFixed(0)).join(' ')}`);
    const start = median(times);
    figures.push(figure('web_start_ms', start, 'ms'));
    if (startupArg) {
      figures.push(figure('web_start_vs_startup', start / Number(startupArg), 'x'));
    }
    figures.push(...await benchPageFigures(browser, urlOf(benchServer)));
  } finally {
    await browser.close();
    siteServer.close();
    benchServer.close();
  }
  console.log(marker);
  console.log(figures.join('\n'));
}

main().catch((error) => {
  console.error(`bench.mjs: ${error.stack ?? error}`);
  process.exit(1);
});
