// What the page tells a player about what it keeps: saves the browser will not keep, a save made
// in another tab, options it refuses, and a new build that reaches a kept page.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { launchBrowser, panelLayout, serveFolder, waitForPasses } from '../../web/browser.mjs';
import { LIMIT, REPO, STATE_FILE_SIZE, clickAt, keptStateFile, openGame, readStateFile, useSite,
         waitForKeptSave } from './support.mjs';

const panel = panelLayout();
const web = useSite();

/// Shows the panel, presses Save and waits for the program to have written state.dat.
async function save(page) {
  await page.click('[data-key=u]');
  await waitForPasses(page, 2, LIMIT);
  await clickAt(page, panel.SAVE_X, panel.SAVE_Y);
  await page.waitForFunction(() => { try { return Module.FS.stat('/save/state.dat').size > 0; } catch { return false; } },
                             null, { timeout: LIMIT });
}

async function downloaded(page, selector) {
  const [download] = await Promise.all([page.waitForEvent('download'), page.click(selector)]);
  return Array.from(fs.readFileSync(await download.path()));
}

test('a browser that will not keep saves says so, and Download still gives the field', async () => {
  const failures = {
    open: () => { IDBFactory.prototype.open = () => { throw new DOMException('blocked', 'SecurityError'); }; },
    write: () => {
      IDBObjectStore.prototype.put = () => { throw new DOMException('full', 'QuotaExceededError'); };
    },
  };
  for (const [where, failure] of Object.entries(failures)) {
    const context = await web.browser.newContext({ acceptDownloads: true });
    await context.addInitScript(failure);
    const page = await openGame(context, web.site);
    if (where === 'open')
      await page.locator('#storage-warning').filter({ hasText: 'SecurityError' })
        .waitFor({ state: 'visible', timeout: LIMIT });
    await save(page);
    const warning = page.locator('#storage-warning');
    await warning.filter({ hasText: /does not keep your saves/ }).waitFor({ state: 'visible', timeout: LIMIT });
    const bytes = await downloaded(page, '#storage-warning button');
    assert.equal(bytes.length, STATE_FILE_SIZE, `${where}: the download holds the field`);
    assert.deepEqual(bytes, await readStateFile(page));
    await context.close();
  }
});

test('a save made in another tab is the one this tab loads and downloads', async () => {
  const context = await web.browser.newContext({ acceptDownloads: true });
  const older = await openGame(context, web.site);
  const newer = await openGame(context, web.site);
  await save(newer);
  const saved = await waitForKeptSave(newer);
  await older.locator('#message').filter({ hasText: 'Another tab saved state.dat' })
    .waitFor({ state: 'visible', timeout: LIMIT });
  assert.deepEqual(await readStateFile(older), saved);
  assert.deepEqual(await downloaded(older, '#download'), saved);
  await context.close();
});

test('options the page cannot run are refused on the page with the reason', async () => {
  const context = await web.browser.newContext();
  const cases = [
    ['w --bogus', /Quillomer stopped: unknown option --bogus\. Reload/],
    ['w --fps 0', /--fps needs a whole number from 1 to 1000, not '0'/],
    ['w --help', /Usage: quillomer \[w\|f\] \[options\]/],
    ['w --replay /share/games/quillomer/demo.rec --video clip.mp4', /clips are made by the page's Save clip button/],
  ];
  for (const [args, expected] of cases) {
    const page = await context.newPage();
    await page.goto(web.site + '?args=' + encodeURIComponent(args));
    await page.locator('#message').filter({ hasText: expected }).waitFor({ state: 'visible', timeout: LIMIT });
    await page.close();
  }
  await context.close();
});

test('a new build reaches a page kept for offline play, past the HTTP cache', async () => {
  // A site whose files the browser may keep in its HTTP cache for an hour.
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'quillomer-site-'));
  fs.cpSync(path.join(REPO, 'build-web'), folder, { recursive: true });
  const site = await serveFolder(folder, { 'Cache-Control': 'max-age=3600' });
  const browser = await launchBrowser();
  try {
    // The pages draw two frames a second: one drawing every frame in software WebGL keeps
    // chromium from checking for the new service worker for about a minute.
    const context = await browser.newContext();
    let page = await openGame(context, site.url, 'w --fps 2');
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null, null, { timeout: LIMIT });

    // The next build: another page (marked; the program sets the page's title itself) and a
    // service worker with another cache.
    const rebuilt = file => fs.writeFileSync(path.join(folder, file),
      fs.readFileSync(path.join(folder, file), 'utf8').replace('</head>', '<meta name="build" content="new">\n</head>')
        .replace(/quillomer-[0-9a-f]{16}/, 'quillomer-0000000000000000'));
    rebuilt('index.html');
    rebuilt('service-worker.js');

    await page.close();
    page = await openGame(context, site.url, 'w --fps 2');
    await page.locator('#update').waitFor({ state: 'visible', timeout: LIMIT });
    await Promise.all([page.waitForNavigation({ timeout: LIMIT }), page.click('#update button')]);
    assert.equal(await page.locator('meta[name=build]').count(), 1, 'the new build\'s page is shown');
  } finally {
    await browser.close();
    site.close();
    fs.rmSync(folder, { recursive: true });
  }
});
