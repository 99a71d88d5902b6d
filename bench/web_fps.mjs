// Frames per second of the browser build in headless chromium's software WebGL, with the
// starting 2500 particles and with 10000 (the Particle count slider at its right end).
// Run by scripts/web bench; needs build-web.
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { launchBrowser, serveFolder, waitForPasses } from '../web/browser.mjs';

const SITE = fileURLToPath(new URL('../build-web', import.meta.url));
const SECONDS = 10;
const LIMIT = 180_000; // for the program to settle: software WebGL on a busy machine is slow

async function framesPerSecond(page) {
  await waitForPasses(page, 10, LIMIT); // settled after the last change
  const start = await page.evaluate(() => [Module.passes, performance.now()]);
  await page.waitForTimeout(SECONDS * 1000);
  const end = await page.evaluate(() => [Module.passes, performance.now()]);
  return (end[0] - start[0]) / ((end[1] - start[1]) / 1000);
}

const site = await serveFolder(SITE);
const browser = await launchBrowser();
const page = await browser.newPage({ viewport: { width: 1024, height: 820 } });
await page.goto(site.url);
await waitForPasses(page, 5, LIMIT);
console.log(`${path.basename(SITE)}: 2500 particles: ${(await framesPerSecond(page)).toFixed(1)} frames/s`);

// Panel open, Particle count (x 580..710, y 25..41) dragged to its right end, panel closed.
await page.mouse.move(512, 384);
await page.keyboard.press('u');
await waitForPasses(page, 2, LIMIT);
await page.mouse.move(615, 33);
await page.mouse.down();
await page.mouse.move(760, 33, { steps: 5 });
await page.mouse.up();
await page.mouse.move(512, 384);
await page.keyboard.press('u');
console.log(`${path.basename(SITE)}: 10000 particles: ${(await framesPerSecond(page)).toFixed(1)} frames/s`);
await browser.close();
site.close();
