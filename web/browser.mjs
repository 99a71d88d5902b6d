// What the browser tests and the frame-rate benchmark share: the built page served on
// localhost, and Debian's chromium started headless with software WebGL.
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { chromium } from 'playwright-core';

const TYPES = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
                '.data': 'application/octet-stream', '.png': 'image/png',
                '.webmanifest': 'application/manifest+json' };

/// Serves `folder` on a free localhost port, with `headers` on every file; resolves to
/// { url, close }.
export async function serveFolder(folder, headers = {}) {
  const server = http.createServer((request, response) => {
    const file = path.join(folder, new URL(request.url, 'http://x').pathname.replace(/\/$/, '/index.html'));
    fs.readFile(file, (error, body) => {
      response.writeHead(error ? 404 : 200, { 'Content-Type': TYPES[path.extname(file)] || 'text/plain', ...headers });
      response.end(error ? 'not found' : body);
    });
  });
  await new Promise(resolve => server.listen(0, '127.0.0.1', resolve));
  return { url: `http://127.0.0.1:${server.address().port}/`, close: () => server.close() };
}

/// Starts headless chromium (CHROMIUM names another binary) with sound allowed without a
/// click, and nothing that reaches out to the network.
export function launchBrowser() {
  return chromium.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox', '--enable-unsafe-swiftshader', '--autoplay-policy=no-user-gesture-required',
           '--disable-background-networking', '--disable-component-update', '--disable-sync',
           '--no-first-run', '--disable-quic'],
  });
}

/// Waits until the program in `page` has run `count` more passes (animation frames).
export async function waitForPasses(page, count, timeout) {
  const start = await page.evaluate(() => window.Module?.passes || 0);
  await page.waitForFunction(target => (window.Module?.passes || 0) >= target, start + count, { timeout });
}

/// Where the program's pixel (x, y) of its 1024 x 768 frame lies on the page, at whatever
/// size the page shows the picture.
export async function pagePoint(page, x, y) {
  return (await pageMapping(page))(x, y);
}

/// Maps program pixels to page points from one reading of the canvas's box: for the many points
/// of a gesture, each reading of the box being a round trip to a busy page.
export async function pageMapping(page) {
  const box = await page.locator('#canvas').boundingBox();
  return (x, y) => ({ x: box.x + (x + 0.5) * box.width / 1024, y: box.y + (y + 0.5) * box.height / 768 });
}

/// Drags the mouse from program pixel `from` to `to` ([x, y] each) in `steps` moves.
export async function dragInProgram(page, from, to, steps = 5) {
  const start = await pagePoint(page, ...from), end = await pagePoint(page, ...to);
  await page.mouse.move(start.x, start.y);
  await page.mouse.down();
  await page.mouse.move(end.x, end.y, { steps });
  await page.mouse.up();
}

/// The panel's positions in the program's frame, as the desktop build writes them to
/// build/panel-layout.env (KEY=VALUE lines, window pixels): SLIDER_Y, SLIDER_WIDTH, ...,
/// PARTICLE_COUNT_X, and button centres SAVE_X, SAVE_Y, ...
export function panelLayout() {
  const text = fs.readFileSync(new URL('../build/panel-layout.env', import.meta.url), 'utf8');
  return Object.fromEntries(text.trim().split('\n').map(line => line.split('=')).map(([key, value]) => [key, Number(value)]));
}
