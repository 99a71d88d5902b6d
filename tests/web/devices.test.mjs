// The browser build on phones, a laptop and a large screen: the page fits, plays by touch
// (real touch events through the browser's DevTools protocol), installs and plays offline,
// and an opened file never costs the save. Needs build-web (scripts/web build).
import { test } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { panelLayout, waitForPasses } from '../../web/browser.mjs';
import { LIMIT, REPO, STATE_FILE_SIZE, band, clickAt, detail, keptStateFile, loudestSound, openGame, recordSound, sliderRow,
         touch, useSite, waitForKeptSave } from './support.mjs';

const DEVICES = [
  { name: 'phone upright', viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true, deviceScaleFactor: 2 },
  { name: 'phone on its side', viewport: { width: 844, height: 390 }, isMobile: true, hasTouch: true, deviceScaleFactor: 2 },
  { name: 'laptop', viewport: { width: 1366, height: 657 }, hasTouch: true },
  { name: 'large screen', viewport: { width: 1920, height: 1080 }, hasTouch: true },
];
const panel = panelLayout();

const web = useSite();

/// The brush radius as the panel's Save button writes it to state.dat (offset 1).
async function savedBrushRadius(page, press) {
  await page.evaluate(() => { try { Module.FS.unlink('/save/state.dat'); } catch {} });
  await press(panel.SAVE_X, panel.SAVE_Y);
  await page.waitForFunction(() => { try { return !!Module.FS.stat('/save/state.dat'); } catch { return false; } },
                             null, { timeout: LIMIT });
  const bytes = await page.evaluate(() => Array.from(Module.FS.readFile('/save/state.dat').slice(1, 5)));
  return Buffer.from(bytes).readFloatLE(0);
}

for (const device of DEVICES) {
  test(`${device.name} (${device.viewport.width} x ${device.viewport.height}): fits, plays by touch, the page's keys`, async () => {
    const { name, ...options } = device;
    const context = await web.browser.newContext(options);
    await recordSound(context);
    const page = await openGame(context, web.site);

    // The picture at 4:3 and every control inside the window, and nothing to scroll.
    const layout = await page.evaluate(() => {
      scrollTo(100, 100);
      const inside = element => {
        const box = element.getBoundingClientRect();
        return box.left >= 0 && box.top >= 0 && box.right <= innerWidth && box.bottom <= innerHeight;
      };
      const canvas = document.getElementById('canvas').getBoundingClientRect();
      return { scrolled: scrollX + scrollY, ratio: canvas.width / canvas.height,
               outside: [...document.querySelectorAll('canvas, button, label.button')].filter(e => !inside(e)).map(e => e.textContent) };
    });
    assert.deepEqual(layout, { scrolled: 0, ratio: 4 / 3, outside: [] });

    // One finger stirs through the band and sings. A busy machine draws fewer frames between
    // strokes, so the finger strokes until both show, at most twenty times.
    const before = await band(page);
    const stroke = [];
    for (let step = 0; step <= 40; ++step)
      stroke.push([[200 + step * 15, 150 + 250 * Math.abs(Math.sin(step / 3))]]);
    let after = before;
    for (let turn = 0; (await loudestSound(page)) < 0.05 || Math.abs(after - before) <= 0.01; ++turn) {
      assert.ok(turn < 20, `twenty strokes: loudest sound ${await loudestSound(page)}, band ${before} -> ${after}`);
      await touch(page, stroke);
      await waitForPasses(page, 2, LIMIT);
      after = await band(page);
    }
    assert.equal(await page.isHidden('#sound-hint'), true, 'the first touch starts the sound');

    // The page's u shows the panel; its Save pressed by the mouse (at every scale) and by a
    // finger writes the brush radius, which a two-finger drag upwards has changed.
    const hidden = await sliderRow(page);
    await page.click('[data-key=u]');
    await waitForPasses(page, 3, LIMIT);
    const shown = await sliderRow(page);
    assert.ok(shown > hidden + 0.01, `u shows the panel's sliders (${hidden} -> ${shown})`);
    const radius = await savedBrushRadius(page, (x, y) => clickAt(page, x, y));
    const pinch = [[[462, 500]], [[462, 500], [562, 500]]];
    for (let step = 1; step <= 10; ++step)
      pinch.push([[462, 500 - step * 15], [562, 500 - step * 15]]);
    await touch(page, pinch);
    await waitForPasses(page, 2, LIMIT);
    const resized = await savedBrushRadius(page, (x, y) => touch(page, [[[x, y]]]));
    assert.notEqual(resized, radius, `two fingers moved up size the brush (${radius} -> ${resized})`);

    // A finger at the left end of Particle count, pushed to the left, empties the band.
    const sliderMiddle = panel.SLIDER_Y + panel.SLIDER_HEIGHT / 2;
    await touch(page, [[[panel.PARTICLE_COUNT_X + 3, sliderMiddle]], [[panel.PARTICLE_COUNT_X - 20, sliderMiddle]]]);
    await waitForPasses(page, 3, LIMIT);
    const left = await band(page);
    assert.ok(left < 0.001, `no particles are left (${left} of the band's pixels are bright)`);

    // The page's g shows the grid: lines over the empty field.
    const field = () => detail(page, 40, 450, 944, 200);
    const bare = await field();
    await page.click('[data-key=g]');
    await waitForPasses(page, 3, LIMIT);
    const grid = await field();
    assert.ok(grid > 2 * bare, `g shows the grid (fine detail ${bare} -> ${grid})`);

    assert.deepEqual(page.problems, []);
    await context.close();
  });
}

test('after one visit the page plays offline, and it can be installed', async () => {
  const context = await web.browser.newContext({ viewport: { width: 844, height: 390 }, isMobile: true, hasTouch: true });
  let page = await openGame(context, web.site);
  await page.evaluate(() => navigator.serviceWorker.ready);

  const manifest = await page.evaluate(async () => {
    const link = document.querySelector('link[rel=manifest]');
    const parsed = await (await fetch(link.href)).json();
    const sizes = await Promise.all(parsed.icons.map(icon => new Promise(resolve => {
      const image = new Image();
      image.onload = () => resolve(`${image.naturalWidth}x${image.naturalHeight}`);
      image.onerror = () => resolve('not loaded');
      image.src = new URL(icon.src, link.href);
    })));
    return { name: parsed.name, display: parsed.display, orientation: parsed.orientation,
             icons: parsed.icons.map(icon => icon.sizes), loaded: sizes };
  });
  assert.deepEqual(manifest, { name: 'Quillomer', display: 'fullscreen', orientation: 'landscape',
                               icons: ['192x192', '512x512'], loaded: ['192x192', '512x512'] });

  await context.setOffline(true);
  await page.close();
  page = await openGame(context, web.site);
  assert.ok((await band(page)) > 0.05, 'the program draws its band with no network');
  assert.deepEqual(page.problems, []);
  await context.close();
});

const golden = fs.readFileSync(path.join(REPO, 'tests/e2e/golden/state.dat'));
function withBrushRadius(radius) {
  const bytes = Buffer.from(golden);
  bytes.writeFloatLE(radius, 1);
  return bytes;
}

test('a damaged, out-of-range or oversized file opened on the page shows why and keeps the save', async () => {
  const context = await web.browser.newContext({ viewport: { width: 1366, height: 657 } });
  const page = await openGame(context, web.site);
  await page.click('[data-key=u]');
  await waitForPasses(page, 2, LIMIT);
  await clickAt(page, panel.SAVE_X, panel.SAVE_Y);
  const saved = await waitForKeptSave(page);

  const notANumber = Buffer.alloc(STATE_FILE_SIZE);
  notANumber.writeInt32LE(80, 26);
  notANumber.writeInt32LE(60, 30);
  notANumber.writeFloatLE(NaN, 1);
  const damaged = [
    { bytes: Buffer.from(Array.from({ length: 5000 }, (_, i) => (i * 2654435761) >>> 24)), reason: /not opened: the grid is -?\d+ x -?\d+/ },
    { bytes: notANumber, reason: /not opened: .*not a finite number/ },
    { bytes: withBrushRadius(1e30), reason: /not opened: the brush radius is 1e\+30, not 6 to 384/ },
    { bytes: Buffer.concat([golden, Buffer.alloc(4096)]), reason: /not opened: it is 42530 bytes, longer than a state file/ },
  ];
  for (const { bytes, reason } of damaged) {
    await page.setInputFiles('#open', { name: 'state.dat', mimeType: 'application/octet-stream', buffer: bytes });
    await page.locator('#message').filter({ hasText: reason }).waitFor({ state: 'visible', timeout: LIMIT });
    assert.deepEqual(await page.evaluate(() => Array.from(Module.FS.readFile('/save/state.dat'))), saved);
    assert.deepEqual(await keptStateFile(page), saved);
  }
  assert.deepEqual(page.problems, []);
  await context.close();
});
