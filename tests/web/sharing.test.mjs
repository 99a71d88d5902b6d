// Sharing a jam: played with real mouse or touch events and ended with Save, it is shared as a
// link; the link opened in a fresh browser replays to the sharer's state.dat bytes (the jam's
// saves kept apart), in a browser holding its own save that save keeps its bytes, and a
// damaged link says why and plays nothing. A jam the desktop recorded opens on the page.
// Needs build-web and build/ (scripts/web test).
import { test } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { panelLayout, waitForPasses } from '../../web/browser.mjs';
import { LIMIT, REPO, clickAt, keptStateFile, newWatchedPage, openGame, readStateFile, touch, useSite, waitForKeptSave } from './support.mjs';

const panel = panelLayout();
const web = useSite();
const PHONE = { viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true, deviceScaleFactor: 2 };

/// Stirs with the mouse in loops across the field.
async function stirWithMouse(page) {
  for (let i = 0; i <= 40; ++i) {
    const point = await page.evaluate(() => document.getElementById('canvas').getBoundingClientRect());
    const x = point.x + point.width * (0.3 + 0.25 * Math.cos(i / 4)), y = point.y + point.height * (0.45 + 0.2 * Math.sin(i / 3));
    await page.mouse.move(x, y, { steps: 2 });
  }
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

/// Presses Share and reads the link the page shows.
async function share(page) {
  await page.click('#share');
  await page.locator('#jam-link').waitFor({ state: 'visible', timeout: LIMIT });
  const status = await page.locator('#jam-status').textContent();
  assert.match(status, /^Jam \d+\.\d s, link [\d,]+ characters/);
  return page.inputValue('#jam-link');
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

for (const [device, options, stir, press] of [
  ['mouse from the last reset', {}, async page => {
    await stirWithMouse(page);
    await page.click('[data-key=r]'); // the jam starts over from the cleared field
    await stirWithMouse(page);
  }, clickAt],
  ['touch on a phone', PHONE, stirWithFinger, (page, x, y) => touch(page, [[[x, y]]])],
]) {
  test(`a jam played by ${device} replays from its link to the sharer's state.dat, keeping the visitor's save`, async () => {
    const sharer = await web.browser.newContext(options);
    const page = await openGame(sharer, web.site);
    await stir(page);
    await saveWith(page, press);
    const saved = await readStateFile(page);
    const link = await share(page);
    assert.ok(link.startsWith(web.site + '#jam='), link.slice(0, 80));
    console.log(`${device}: a ${link.length}-character link`);

    const fresh = await web.browser.newContext(options);
    const replay = await openLink(fresh, link);
    assert.deepEqual(await jamSaves(replay), saved, 'the replay saved the sharer\'s state.dat');
    assert.equal(await keptStateFile(replay), null, 'the jam\'s Save is not the visitor\'s');
    assert.deepEqual(replay.problems, []);

    const keeper = await web.browser.newContext(options);
    const own = await openGame(keeper, web.site);
    await own.mouse.move(200, 200, { steps: 3 });
    await saveWith(own, clickAt);
    const kept = await waitForKeptSave(own);
    const visit = await openLink(keeper, link);
    assert.deepEqual(await jamSaves(visit), saved);
    assert.deepEqual(await readStateFile(visit), kept, 'the visitor\'s state.dat keeps its bytes');
    assert.deepEqual(await keptStateFile(visit), kept);
    for (const context of [sharer, fresh, keeper])
      await context.close();
  });
}

test('a jam recorded by the desktop program opens on the page and saves the desktop\'s state.dat', async () => {
  const context = await web.browser.newContext();
  const page = await openGame(context, web.site);
  await Promise.all([
    page.waitForNavigation({ timeout: LIMIT }),
    page.setInputFiles('#open-jam', path.join(REPO, 'tests/e2e/jam/jam.rec')),
  ]);
  await page.locator('#message').filter({ hasText: 'The shared jam has ended' })
    .waitFor({ state: 'visible', timeout: LIMIT });
  assert.deepEqual(await jamSaves(page), Array.from(fs.readFileSync(path.join(REPO, 'tests/e2e/jam/state.dat'))));
  await context.close();
});

test('a damaged link says why and plays nothing', async () => {
  const context = await web.browser.newContext();
  const page = await openGame(context, web.site);
  await stirWithMouse(page);
  const link = await share(page);
  const damaged = await context.newPage();
  await damaged.goto(link.slice(0, -6) + '%%%');
  const message = damaged.locator('#message');
  await message.filter({ hasText: /Quillomer stopped: cannot replay the link: .*damaged or cut short/ })
    .waitFor({ state: 'visible', timeout: LIMIT });
  await Promise.all([damaged.waitForNavigation({ timeout: LIMIT }), message.locator('button').click()]);
  assert.equal(new URL(damaged.url()).hash, '', 'the page plays on without the jam');
  await context.close();
});
