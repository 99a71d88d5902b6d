// The browser build in Debian's headless chromium, driven with real mouse and key events.
// Needs build-web (scripts/web build) and, for the comparison, build/quillomer and a display.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { launchBrowser, serveFolder, waitForPasses } from '../../web/browser.mjs';

const REPO = fileURLToPath(new URL('../..', import.meta.url));
const SITE = path.join(REPO, 'build-web');
const STATE_FILE_SIZE = 38434;
// The canvas then lies at the page's top-left corner, so page and canvas coordinates agree.
const VIEWPORT = { width: 1024, height: 820 };
const LIMIT = 180_000; // for waits on the program: software WebGL on a busy machine is slow
// What the runtime and the browser say on every start: notes, not faults.
const RUNTIME_NOTES = [/^WARNING: using emscripten GL/, /GL Driver Message/];

let server, site, browser;

before(async () => {
  server = await serveFolder(SITE);
  site = server.url;
  browser = await launchBrowser();
});

after(async () => {
  await browser?.close();
  server?.close();
});

/// Opens the page in `context` with the program's options and waits for its first frames.
/// The returned page collects every console error, warning and uncaught exception in `problems`.
async function openGame(context, args = '') {
  const page = await context.newPage();
  page.problems = [];
  page.on('console', message => {
    const text = message.text();
    if (['error', 'warning'].includes(message.type()) && !RUNTIME_NOTES.some(note => note.test(text)))
      page.problems.push(text);
  });
  page.on('pageerror', error => page.problems.push(error.message));
  await page.goto(site + (args ? '?args=' + encodeURIComponent(args) : ''));
  await waitForPasses(page, 5, LIMIT);
  return page;
}

/// The share (0..1) of a canvas rectangle's pixels that are bright: glowing particles, the
/// panel's labels and tracks; the gradient alone has none.
async function brightShare(page, x, y, width, height) {
  const shot = await page.locator('#canvas').screenshot();
  return Number(execFileSync('convert', ['png:-', '-crop', `${width}x${height}+${x}+${y}`, '-colorspace', 'gray',
                                         '-threshold', '60%', '-format', '%[fx:mean]', 'info:'], { input: shot }));
}

const band = page => brightShare(page, 40, 120, 944, 300);
const sliderRow = page => brightShare(page, 0, 8, 1024, 38);

/// Drags the panel's Particle count slider (x 580..710, y 25..41) to its left end.
async function emptyTheField(page) {
  await page.mouse.move(615, 33);
  await page.mouse.down();
  await page.mouse.move(500, 33, { steps: 5 });
  await page.mouse.up();
  await waitForPasses(page, 3, LIMIT);
}

async function readStateFile(page) {
  return page.evaluate(() => Array.from(Module.FS.readFile('/save/state.dat')));
}

test('the page plays: the band, the panel, the particle count, fullscreen, Escape', async () => {
  const context = await browser.newContext({ viewport: VIEWPORT });
  const page = await openGame(context);
  const glowing = await band(page);
  assert.ok(glowing > 0.05, `the particle band glows (${glowing} of its pixels are bright)`);

  const panelHidden = await sliderRow(page);
  await page.mouse.move(512, 384);
  await page.keyboard.press('u');
  await waitForPasses(page, 3, LIMIT);
  const panelShown = await sliderRow(page);
  assert.ok(panelShown > panelHidden + 0.01, `u shows the panel's sliders (${panelHidden} -> ${panelShown})`);

  await emptyTheField(page);
  const left = await band(page);
  assert.ok(left < 0.001, `no particles are left (${left} of the band's pixels are bright)`);

  await page.click('#fullscreen');
  await page.waitForFunction(() => document.fullscreenElement?.contains(document.getElementById('canvas')),
                             null, { timeout: LIMIT });

  await page.keyboard.press('Escape');
  await page.locator('#message').waitFor({ state: 'visible', timeout: LIMIT });
  assert.match(await page.textContent('#message'), /The run has ended/);
  assert.deepEqual(page.problems, []);
  await context.close();
});

test('stirring makes sound and rest fades it', async () => {
  const context = await browser.newContext({ viewport: VIEWPORT });
  // Every buffer the page plays, with its loudest sample.
  await context.addInitScript(() => {
    window.soundPeaks = [];
    const start = AudioBufferSourceNode.prototype.start;
    AudioBufferSourceNode.prototype.start = function (...args) {
      const samples = this.buffer.getChannelData(0);
      window.soundPeaks.push(samples.reduce((peak, sample) => Math.max(peak, Math.abs(sample)), 0));
      return start.apply(this, args);
    };
  });
  const page = await openGame(context);
  await page.mouse.click(512, 600);
  assert.equal(await page.isHidden('#sound-hint'), true, 'the first click hides the sound hint');

  const loudest = () => page.evaluate(() => Math.max(0, ...window.soundPeaks));
  const deadline = Date.now() + LIMIT;
  for (let turn = 0; (await loudest()) < 0.05; ++turn) {
    assert.ok(Date.now() < deadline, 'stirring made no sound');
    for (let step = 0; step < 24; ++step) {
      const angle = (turn * 24 + step) * Math.PI / 12;
      await page.mouse.move(512 + 200 * Math.cos(angle), 500 + 150 * Math.sin(angle));
    }
  }
  await page.evaluate(() => { window.soundPeaks = []; });
  await page.waitForFunction(() => window.soundPeaks.length >= 5 && Math.max(...window.soundPeaks.slice(-5)) < 0.001,
                             null, { timeout: LIMIT });
  assert.deepEqual(page.problems, []);
  await context.close();
});

test('a save survives a reload, and state.dat moves between browser and desktop', async () => {
  const context = await browser.newContext({ viewport: VIEWPORT, acceptDownloads: true });
  let page = await openGame(context);
  for (let step = 0; step < 40; ++step)
    await page.mouse.move(300 + step * 10, 300 + step * 3);
  await page.keyboard.press('u');
  await waitForPasses(page, 2, LIMIT);
  await emptyTheField(page);
  await page.mouse.click(75, 744); // "Save state.dat"
  // Saved when the browser's own storage (IndexedDB, kept per mount point) holds it.
  await page.waitForFunction(() => new Promise(resolve => {
    const opening = indexedDB.open('/save');
    opening.onsuccess = () => {
      const read = opening.result.transaction('FILE_DATA').objectStore('FILE_DATA').get('/save/state.dat');
      read.onsuccess = () => resolve(!!read.result);
      read.onerror = () => resolve(false);
    };
    opening.onerror = () => resolve(false);
  }), null, { timeout: LIMIT, polling: 250 });
  const saved = await readStateFile(page);
  assert.equal(saved.length, STATE_FILE_SIZE);

  await page.close();
  page = await openGame(context);
  assert.deepEqual(await readStateFile(page), saved, 'the save is there after a reload');
  assert.ok((await band(page)) < 0.001, 'and was loaded at start: its particle count is 0');

  const [download] = await Promise.all([page.waitForEvent('download'), page.click('#download')]);
  assert.deepEqual(Array.from(fs.readFileSync(await download.path())), saved);

  // A field saved by the desktop program.
  const desktopSave = path.join(REPO, 'tests/e2e/golden/state.dat');
  await page.setInputFiles('#open', desktopSave);
  await page.waitForFunction(size => { try { return Module.FS.stat('/save/state.dat').size === size; } catch { return false; } },
                             STATE_FILE_SIZE, { timeout: LIMIT });
  assert.deepEqual(await readStateFile(page), Array.from(fs.readFileSync(desktopSave)));
  await page.keyboard.press('u');
  await waitForPasses(page, 2, LIMIT);
  await page.mouse.click(195, 744); // "Load state.dat"
  await waitForPasses(page, 3, LIMIT);
  assert.deepEqual(page.problems, []);
  await context.close();
});

test('the same recording draws the desktop picture, within a small tolerance', async () => {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'quillomer-web-'));
  const webPicture = path.join(folder, 'web.png'), desktopPicture = path.join(folder, 'desktop.png');
  const run = '--replay data/demo.rec --frames 320 --screenshot';
  execFileSync(path.join(REPO, 'build/quillomer'), ['w', ...run.split(' '), desktopPicture],
               { cwd: REPO, env: { ...process.env, SDL_AUDIODRIVER: 'dummy' }, stdio: 'ignore' });

  const context = await browser.newContext({ viewport: VIEWPORT });
  const page = await context.newPage();
  await page.goto(site + '?args=' + encodeURIComponent(`w ${run.replace('data/', '/share/games/quillomer/')} /tmp/web.png`));
  await page.locator('#message').waitFor({ state: 'visible', timeout: LIMIT });
  assert.match(await page.textContent('#message'), /The run has ended/);
  fs.writeFileSync(webPicture, Buffer.from(await page.evaluate(() => Array.from(Module.FS.readFile('/tmp/web.png')))));
  await context.close();

  // The browser draws the brush circle with quads, not smoothed lines, and its GL rounds
  // blends its own way: measured, about 0.1 % of the pixels differ by more than a tenth.
  const compare = (...metric) => execFileSync('sh', ['-c', `compare ${metric.join(' ')} "$0" "$1" null: 2>&1 || true`,
                                                       webPicture, desktopPicture]).toString();
  const farOff = Number(compare('-metric', 'AE', '-fuzz', '10%'));
  const meanError = Number(compare('-metric', 'MAE').match(/\(([\d.e-]+)\)/)[1]);
  assert.ok(farOff <= 0.005 * 1024 * 768, `${farOff} pixels differ by more than 10 %`);
  assert.ok(meanError <= 0.01, `mean difference ${meanError}`);
  fs.rmSync(folder, { recursive: true });
});

test('without WebGL the page says so', async () => {
  const context = await browser.newContext();
  await context.addInitScript(() => {
    const getContext = HTMLCanvasElement.prototype.getContext;
    HTMLCanvasElement.prototype.getContext = function (kind, ...rest) {
      return /webgl/.test(kind) ? null : getContext.call(this, kind, ...rest);
    };
  });
  const page = await context.newPage();
  await page.goto(site);
  await page.locator('#message').waitFor({ state: 'visible', timeout: LIMIT });
  assert.match(await page.textContent('#message'), /needs WebGL/);
  await context.close();
});
