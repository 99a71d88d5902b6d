// What the browser tests and the frame-rate benchmark share: the built page served on
// localhost, and Debian's chromium started headless with software WebGL.
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { chromium } from 'playwright-core';

const TYPES = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
                '.data': 'application/octet-stream', '.png': 'image/png' };

/// Serves `folder` on a free localhost port; resolves to { url, close }.
export async function serveFolder(folder) {
  const server = http.createServer((request, response) => {
    const file = path.join(folder, new URL(request.url, 'http://x').pathname.replace(/\/$/, '/index.html'));
    fs.readFile(file, (error, body) => {
      response.writeHead(error ? 404 : 200, { 'Content-Type': TYPES[path.extname(file)] || 'text/plain' });
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
