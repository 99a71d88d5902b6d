// Frames per second of the browser build in headless chromium's software WebGL, with the
// starting 2500 particles and with 10000 (the Particle count slider at its right end).
// Run by scripts/web bench; needs build-web.
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { dragInProgram, launchBrowser, pagePoint, panelLayout, serveFolder, waitForPasses } from '../web/browser.mjs';

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

async function pressKey(page, key) {
  const middle = await pagePoint(page, 512, 384);
  await page.mouse.move(middle.x, middle.y);
  await page.keyboard.press(key);
}

const site = await serveFolder(SITE);
const browser = await launchBrowser();
// The picture at 1:1 beside the page's controls.
const page = await browser.newPage({ viewport: { width: 1200, height: 772 } });
await page.goto(site.url);
await waitForPasses(page, 5, LIMIT);
const shown = await page.locator('#canvas').boundingBox();
console.log(`${path.basename(SITE)}: the picture is shown at ${shown.width} x ${shown.height}`);
console.log(`${path.basename(SITE)}: 2500 particles: ${(await framesPerSecond(page)).toFixed(1)} frames/s`);

// Panel open, Particle count dragged to its right end, panel closed.
const panel = panelLayout();
const sliderMiddle = panel.SLIDER_Y + panel.SLIDER_HEIGHT / 2;
await pressKey(page, 'u');
await waitForPasses(page, 2, LIMIT);
await dragInProgram(page, [panel.PARTICLE_COUNT_X + 35, sliderMiddle],
                    [panel.PARTICLE_COUNT_X + panel.SLIDER_WIDTH + 50, sliderMiddle]);
await pressKey(page, 'u');
console.log(`${path.basename(SITE)}: 10000 particles: ${(await framesPerSecond(page)).toFixed(1)} frames/s`);
await browser.close();
site.close();
