// The browser build in Debian's headless chromium, driven with real mouse and key events.
// Needs build-web (scripts/web build) and, for the comparison, build/quillomer and a display.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { dragInProgram, pageMapping, pagePoint, panelLayout, waitForPasses } from '../../web/browser.mjs';
import { LIMIT, REPO, STATE_FILE_SIZE, band, clickAt, loudestSound, openGame, readStateFile, recordSound, sliderRow,
         useSite, waitForKeptSave } from './support.mjs';

const VIEWPORT = { width: 1024, height: 820 };
const panel = panelLayout();

const web = useSite();

/// Presses `key` with the mouse over the picture.
async function pressOver(page, key) {
  const point = await pagePoint(page, 512, 384);
  await page.mouse.move(point.x, point.y);
  await page.keyboard.press(key);
}

/// Drags the panel's Particle count slider to its left end.
async function emptyTheField(page) {
  const middle = panel.SLIDER_Y + panel.SLIDER_HEIGHT / 2;
  await dragInProgram(page, [panel.PARTICLE_COUNT_X + 35, middle], [panel.PARTICLE_COUNT_X - 80, middle]);
  await waitForPasses(page, 3, LIMIT);
}

test('the page plays: the band, the panel, the particle count, fullscreen, Escape', async () => {
  const context = await web.browser.newContext({ viewport: VIEWPORT });
  const page = await openGame(context, web.site);
  const glowing = await band(page);
  assert.ok(glowing > 0.05, `the particle band glows (${glowing} of its pixels are bright)`);

  const panelHidden = await sliderRow(page);
  await pressOver(page, 'u');
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
  const context = await web.browser.newContext({ viewport: VIEWPORT });
  await recordSound(context);
  const page = await openGame(context, web.site);
  await clickAt(page, 512, 600);
  assert.equal(await page.isHidden('#sound-hint'), true, 'the first click hides the sound hint');

  const deadline = Date.now() + LIMIT;
  const toPage = await pageMapping(page);
  for (let turn = 0; (await loudestSound(page)) < 0.05; ++turn) {
    assert.ok(Date.now() < deadline, 'stirring made no sound');
    for (let step = 0; step < 24; ++step) {
      const angle = (turn * 24 + step) * Math.PI / 12;
      const point = toPage(512 + 200 * Math.cos(angle), 500 + 150 * Math.sin(angle));
      await page.mouse.move(point.x, point.y);
    }
  }
  await page.evaluate(() => { window.soundPeaks = []; });
  await page.waitForFunction(() => window.soundPeaks.length >= 5 && Math.max(...window.soundPeaks.slice(-5)) < 0.001,
                             null, { timeout: LIMIT });
  assert.deepEqual(page.problems, []);
  await context.close();
});

test('a save survives a reload, and state.dat moves between browser and desktop', async () => {
  const context = await web.browser.newContext({ viewport: VIEWPORT, acceptDownloads: true });
  let page = await openGame(context, web.site);
  const toPage = await pageMapping(page);
  for (let step = 0; step < 40; ++step) {
    const point = toPage(300 + step * 10, 300 + step * 3);
    await page.mouse.move(point.x, point.y);
  }
  await page.keyboard.press('u');
  await waitForPasses(page, 2, LIMIT);
  await emptyTheField(page);
  await clickAt(page, panel.SAVE_X, panel.SAVE_Y);
  const saved = await waitForKeptSave(page);
  assert.equal(saved.length, STATE_FILE_SIZE);

  await page.close();
  page = await openGame(context, web.site);
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
  await clickAt(page, panel.LOAD_X, panel.LOAD_Y);
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

  const context = await web.browser.newContext({ viewport: VIEWPORT });
  const page = await context.newPage();
  await page.goto(web.site + '?args=' + encodeURIComponent(`w ${run.replace('data/', '/share/games/quillomer/')} /tmp/web.png`));
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
  const context = await web.browser.newContext();
  await context.addInitScript(() => {
    const getContext = HTMLCanvasElement.prototype.getContext;
    HTMLCanvasElement.prototype.getContext = function (kind, ...rest) {
      return /webgl/.test(kind) ? null : getContext.call(this, kind, ...rest);
    };
  });
  const page = await context.newPage();
  await page.goto(web.site);
  await page.locator('#message').waitFor({ state: 'visible', timeout: LIMIT });
  assert.match(await page.textContent('#message'), /needs WebGL/);
  await context.close();
});
