// Sharing a jam: played with real mouse or touch events and ended with Save, it is shared as a
// link; the link opened in a fresh browser replays to the sharer's state.dat bytes (the jam's
// saves kept apart), in a browser holding its own save that save keeps its bytes, and a
// damaged link says why and plays nothing. A jam the desktop recorded opens on the page. Save
// clip makes an MP4 with the jam's frames and sound, as the desktop's export makes them.
// Needs build-web and build/ (scripts/web test).
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { panelLayout, waitForPasses } from '../../web/browser.mjs';
import { LIMIT, REPO, clickAt, keptStateFile, newWatchedPage, openGame, readStateFile, touch, useSite, waitForKeptSave } from './support.mjs';

const panel = panelLayout();
const web = useSite();
const KEPT_JAM = path.join(REPO, 'tests/e2e/jam/jam.rec');
const PHONE = { viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true, deviceScaleFactor: 2 };

/// Stirs with the mouse in loops across the field.
async function stirWithMouse(page) {
  const box = await page.locator('#canvas').boundingBox();
  for (let i = 0; i <= 40; ++i)
    await page.mouse.move(box.x + box.width * (0.3 + 0.25 * Math.cos(i / 4)),
                          box.y + box.height * (0.45 + 0.2 * Math.sin(i / 3)), { steps: 2 });
}

/// Stirs with one finger in a wide stroke.
async function stirWithFinger(page) {
  const frames = [];
  for (let i = 0; i <= 30; ++i)
    frames.push([[300 + 12 * i, 300 + Math.round(120 * Math.sin(i / 4))]]);
  await touch(page, frames);
}

/// Shows the panel and presses Save with `press`; waits for the page to have state.dat.
async function saveWith(page, press) {
  await page.click('[data-key=u]');
  await waitForPasses(page, 2, LIMIT);
  await press(page, panel.SAVE_X, panel.SAVE_Y);
  await page.waitForFunction(() => { try { return Module.FS.stat('/save/state.dat').size > 0; } catch { return false; } },
                             null, { timeout: LIMIT });
}

/// Plays a jam in a new browser with `options`: `stir`, then Save pressed with `press`, then
/// Share. Resolves to the sharer's context and page, the state.dat saved and the link shown.
async function playAndShare(options, stir, press) {
  const context = await web.browser.newContext(options);
  const page = await openGame(context, web.site);
  await stir(page);
  await saveWith(page, press);
  const saved = await readStateFile(page);
  await page.click('#share');
  await page.locator('#jam-link').waitFor({ state: 'visible', timeout: LIMIT });
  assert.match(await page.locator('#jam-status').textContent(), /^Jam \d+\.\d s, link [\d,]+ characters/);
  const link = await page.inputValue('#jam-link');
  assert.ok(link.startsWith(web.site + '#jam='), link.slice(0, 80));
  return { context, page, saved, link };
}

/// Opens `link` and waits until the jam has replayed and the visitor has the field.
async function openLink(context, link) {
  const page = await newWatchedPage(context);
  await page.goto(link);
  await page.locator('#message').filter({ hasText: 'The shared jam has ended' })
    .waitFor({ state: 'visible', timeout: LIMIT });
  return page;
}

const jamSaves = page => page.evaluate(() => Array.from(Module.FS.readFile('/tmp/jam-state.dat')));

/// The link opened in a fresh browser replays to the sharer's state.dat (`saved`) and keeps
/// nothing; opened in a browser holding its own save, that save keeps its bytes.
async function checkLinkReplays(options, link, saved) {
  const fresh = await web.browser.newContext(options);
  const replay = await openLink(fresh, link);
  assert.deepEqual(await jamSaves(replay), saved, 'the replay saved the sharer\'s state.dat');
  assert.equal(await keptStateFile(replay), null, 'the jam\'s Save is not the visitor\'s');
  assert.deepEqual(replay.problems, []);
  await fresh.close();

  const keeper = await web.browser.newContext(options);
  const own = await openGame(keeper, web.site);
  await own.mouse.move(200, 200, { steps: 3 });
  await saveWith(own, clickAt);
  const kept = await waitForKeptSave(own);
  const visit = await openLink(keeper, link);
  assert.deepEqual(await jamSaves(visit), saved);
  assert.deepEqual(await readStateFile(visit), kept, 'the visitor\'s state.dat keeps its bytes');
  assert.deepEqual(await keptStateFile(visit), kept);
  await keeper.close();
}

/// The loudness of a sound file every 100 ms: its mono samples' root mean square.
function loudness(file) {
  const raw = execFileSync('ffmpeg', ['-v', 'error', '-i', file, '-f', 's16le', '-ac', '1', '-ar', '44100', '-'],
                           { maxBuffer: 1 << 28 });
  const samples = new Int16Array(raw.buffer, raw.byteOffset, raw.length >> 1);
  const windows = [];
  for (let start = 0; start + 4410 <= samples.length; start += 4410) {
    let sum = 0;
    for (let i = start; i < start + 4410; ++i)
      sum += samples[i] * samples[i];
    windows.push(Math.sqrt(sum / 4410));
  }
  return windows;
}

function correlation(a, b) {
  const n = Math.min(a.length, b.length);
  const mean = values => values.slice(0, n).reduce((sum, value) => sum + value, 0) / n;
  const [meanA, meanB] = [mean(a), mean(b)];
  let product = 0, squaresA = 0, squaresB = 0;
  for (let i = 0; i < n; ++i) {
    product += (a[i] - meanA) * (b[i] - meanB);
    squaresA += (a[i] - meanA) ** 2;
    squaresB += (b[i] - meanB) ** 2;
  }
  return product / Math.sqrt(squaresA * squaresB);
}

/// Save clip on the sharer's `page` makes an MP4 of its jam: H.264, with the frames and length
/// of the desktop's offline export of the same jam, and the sound of the desktop's WAV.
async function checkClip(context, page) {
  const [clipPage] = await Promise.all([context.waitForEvent('page'), page.click('#save-clip')]);
  const started = Date.now();
  const download = await clipPage.waitForEvent('download', { timeout: LIMIT });
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'quillomer-clip-'));
  const clip = path.join(folder, 'clip.mp4');
  await download.saveAs(clip);
  const saved = (await clipPage.locator('#message').textContent()).replace('Download again', '').trim();
  const madeIn = ((Date.now() - started) / 1000).toFixed(1);

  // The desktop program exports the same jam's sound from the clip's link, drawing a frame a
  // second (the sound does not depend on the frames drawn). Its WAV lasts exactly as long as
  // its video would: 735 stereo samples (44100 Hz) to each 1/60 s frame.
  fs.symlinkSync(path.join(REPO, 'data'), path.join(folder, 'data'));
  const link = decodeURIComponent(clipPage.url());
  execFileSync(path.join(REPO, 'build/quillomer'), ['w', '--replay', link, '--fps', '1', '--wav', 'desktop.wav'],
               { cwd: folder, stdio: 'ignore', env: { ...process.env, SDL_AUDIODRIVER: 'dummy' } });
  const desktopFrames = (fs.statSync(path.join(folder, 'desktop.wav')).size - 44) / 4 / 735;
  const probe = JSON.parse(execFileSync('ffprobe', ['-v', 'error', '-count_frames', '-show_streams', '-of', 'json', clip]));
  const video = probe.streams.find(found => found.codec_type === 'video');
  assert.equal(video.codec_name, 'h264');
  assert.equal(video.nb_read_frames, String(desktopFrames), 'the jam\'s frame count');
  assert.ok(Math.abs(video.duration - desktopFrames / 60) < 0.05,
            `the jam's length: ${video.duration} s, the desktop's ${desktopFrames / 60} s`);
  const follows = correlation(loudness(clip), loudness(path.join(folder, 'desktop.wav')));
  console.log(`${saved} (${madeIn} s to the download here); loudness against the desktop's WAV: ` +
              `correlation ${follows.toFixed(3)}`);
  assert.ok(follows > 0.9, `the clip's loudness follows the desktop's WAV (correlation ${follows.toFixed(3)})`);
  fs.rmSync(folder, { recursive: true });
  await clipPage.close();
}

test('a jam played by mouse from the last reset replays from its link to the sharer\'s state.dat, ' +
     'keeping the visitor\'s save, and Save clip makes an MP4 of it with the desktop\'s frames and sound', async () => {
  const { context, page, saved, link } = await playAndShare({ acceptDownloads: true }, async page => {
    await stirWithMouse(page);
    await page.click('[data-key=r]'); // the jam starts over from the cleared field
    await stirWithMouse(page);
  }, clickAt);
  console.log(`mouse from the last reset: a ${link.length}-character link`);
  await checkClip(context, page);
  await context.close();
  await checkLinkReplays({}, link, saved);
});

test('a jam played by touch on a phone replays from its link to the sharer\'s state.dat, keeping the visitor\'s save', async () => {
  const press = (page, x, y) => touch(page, [[[x, y]]]);
  const { context, saved, link } = await playAndShare(PHONE, stirWithFinger, press);
  console.log(`touch on a phone: a ${link.length}-character link`);
  await context.close();
  await checkLinkReplays(PHONE, link, saved);
});

test('a jam recorded by the desktop program opens on the page and saves the desktop\'s state.dat', async () => {
  const context = await web.browser.newContext();
  const page = await openGame(context, web.site);
  await Promise.all([
    page.waitForNavigation({ timeout: LIMIT }),
    page.setInputFiles('#open-jam', KEPT_JAM),
  ]);
  await page.locator('#message').filter({ hasText: 'The shared jam has ended' })
    .waitFor({ state: 'visible', timeout: LIMIT });
  assert.deepEqual(await jamSaves(page), Array.from(fs.readFileSync(path.join(REPO, 'tests/e2e/jam/state.dat'))));
  await context.close();
});

test('a damaged link says why and plays nothing', async () => {
  const context = await web.browser.newContext();
  const link = web.site + '#jam=' + fs.readFileSync(KEPT_JAM).toString('base64url');
  const damaged = await context.newPage();
  await damaged.goto(link.slice(0, -6) + '%%%');
  const message = damaged.locator('#message');
  await message.filter({ hasText: /Quillomer stopped: cannot replay the link: .*damaged or cut short/ })
    .waitFor({ state: 'visible', timeout: LIMIT });
  await Promise.all([damaged.waitForNavigation({ timeout: LIMIT }), message.locator('button').click()]);
  assert.equal(new URL(damaged.url()).hash, '', 'the page plays on without the jam');
  await context.close();
});
