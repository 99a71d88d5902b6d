// What the browser test files share: the site and browser, opening the game, reading its
// picture, its sound and its saved state.
import { after, before } from 'node:test';
import { execFileSync } from 'node:child_process';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { launchBrowser, pageMapping, pagePoint, serveFolder, waitForPasses } from '../../web/browser.mjs';

export const REPO = fileURLToPath(new URL('../..', import.meta.url));
export const LIMIT = 180_000; // for waits on the program: software WebGL on a busy machine is slow
export const STATE_FILE_SIZE = 38434;
// What the runtime and the browser say on every start: notes, not faults.
const RUNTIME_NOTES = [/^WARNING: using emscripten GL/, /GL Driver Message/];

/// Serves build-web and starts the browser before a file's tests, and stops both after them.
/// The returned object holds the address (`site`) and the `browser` once they have started.
export function useSite() {
  const run = {};
  before(async () => {
    run.server = await serveFolder(path.join(REPO, 'build-web'));
    run.site = run.server.url;
    run.browser = await launchBrowser();
  });
  after(async () => {
    await run.browser?.close();
    run.server?.close();
  });
  return run;
}

/// A new page of `context` that collects every console error, warning and uncaught exception
/// in `problems`.
export async function newWatchedPage(context) {
  const page = await context.newPage();
  page.problems = [];
  page.on('console', message => {
    const text = message.text();
    if (['error', 'warning'].includes(message.type()) && !RUNTIME_NOTES.some(note => note.test(text)))
      page.problems.push(text);
  });
  page.on('pageerror', error => page.problems.push(error.message));
  return page;
}

/// Opens the page in `context` with the program's options and waits for its first frames.
/// The returned page collects every console error, warning and uncaught exception in `problems`.
export async function openGame(context, site, args = '') {
  const page = await newWatchedPage(context);
  await page.goto(site + (args ? '?args=' + encodeURIComponent(args) : ''));
  await waitForPasses(page, 5, LIMIT);
  return page;
}

/// Clicks the mouse at the program's pixel (x, y).
export async function clickAt(page, x, y) {
  const point = await pagePoint(page, x, y);
  await page.mouse.click(point.x, point.y);
}

/// Runs ImageMagick's `operations` on a rectangle of the program's 1024 x 768 frame as the
/// page shows it, gray, and prints `format` of the result.
async function measure(page, [x, y, width, height], operations, format) {
  const shot = await page.locator('#canvas').screenshot();
  return Number(execFileSync('convert', ['png:-', '-resize', '1024x768!', '-crop', `${width}x${height}+${x}+${y}`,
                                         '+repage', '-colorspace', 'gray', ...operations, '-format', format, 'info:'],
                              { input: shot }));
}

/// The share (0..1) of a rectangle's pixels that are bright: glowing particles, the panel's
/// labels and tracks; the gradient alone has none.
const brightShare = (page, ...rectangle) => measure(page, rectangle, ['-threshold', '60%'], '%[fx:mean]');

/// How much fine detail a rectangle holds (its mean difference from a blurred copy): grid
/// lines have some, the smooth gradient next to none.
export const detail = (page, ...rectangle) =>
  measure(page, rectangle, ['(', '+clone', '-blur', '0x3', ')', '-compose', 'difference', '-composite'], '%[fx:mean]');

export const band = page => brightShare(page, 40, 120, 944, 300);
export const sliderRow = page => brightShare(page, 0, 8, 1024, 38);

/// Records the loudest sample of every buffer the pages of `context` play, in window.soundPeaks.
export async function recordSound(context) {
  await context.addInitScript(() => {
    window.soundPeaks = [];
    const start = AudioBufferSourceNode.prototype.start;
    AudioBufferSourceNode.prototype.start = function (...args) {
      const samples = this.buffer.getChannelData(0);
      window.soundPeaks.push(samples.reduce((peak, sample) => Math.max(peak, Math.abs(sample)), 0));
      return start.apply(this, args);
    };
  });
}

export const loudestSound = page => page.evaluate(() => Math.max(0, ...window.soundPeaks));

export async function readStateFile(page) {
  return page.evaluate(() => Array.from(Module.FS.readFile('/save/state.dat')));
}

/// The bytes of state.dat kept in the browser's own storage (IndexedDB, per mount point), or null.
export async function keptStateFile(page) {
  return page.evaluate(() => new Promise(resolve => {
    const opening = indexedDB.open('/save');
    opening.onsuccess = () => {
      const read = opening.result.transaction('FILE_DATA').objectStore('FILE_DATA').get('/save/state.dat');
      read.onsuccess = () => resolve(read.result ? Array.from(read.result.contents, byte => byte & 255) : null);
      read.onerror = () => resolve(null);
    };
    opening.onerror = () => resolve(null);
  }));
}

/// Waits until the browser's storage holds a state.dat; resolves to its bytes.
export async function waitForKeptSave(page) {
  const deadline = Date.now() + LIMIT;
  for (let kept = await keptStateFile(page); ; kept = await keptStateFile(page)) {
    if (kept)
      return kept;
    if (Date.now() > deadline)
      throw new Error('no state.dat was kept in the browser');
    await waitForPasses(page, 1, LIMIT);
  }
}

/// Real touches: `frames` is a list of finger lists, each finger a program pixel [x, y]; the
/// first starts the touch, the others move it, then every finger lifts.
export async function touch(page, frames) {
  const cdp = await page.context().newCDPSession(page);
  const toPage = await pageMapping(page);
  const send = (type, fingers) => cdp.send('Input.dispatchTouchEvent', {
    type, touchPoints: fingers.map((finger, id) => ({ ...toPage(...finger), id })),
  });
  for (let frame = 0; frame < frames.length; ++frame)
    await send(frame === 0 || frames[frame].length > frames[frame - 1].length ? 'touchStart' : 'touchMove', frames[frame]);
  await send('touchEnd', []);
  await cdp.detach();
}
