// The page around the program: its arguments, the persistent folder for state.dat (and its word
// when the browser will not keep it), sound and power, the end of a run, the buttons that move
// state.dat between browser and desktop, and the service worker that keeps the page for offline
// play and brings new builds. Emscripten places this (with
// controls.js) before the program's own JavaScript, inside its Module.

const SAVE_FOLDER = '/save';
const STATE_FILE = SAVE_FOLDER + '/state.dat';
const OPENED_FILE = '/tmp/opened-state.dat';
const page = {
  main: document.querySelector('main'),
  stage: document.getElementById('stage'),
  bar: document.getElementById('bar'),
  help: document.getElementById('help'),
  canvas: document.getElementById('canvas'),
  soundHint: document.getElementById('sound-hint'),
  message: document.getElementById('message'),
  running: true,
};

function showMessage(text, details) {
  page.message.textContent = text;
  if (details) {
    const block = document.createElement('pre');
    block.textContent = details;
    page.message.append(block);
  }
  page.message.hidden = false;
}

// Saves live in the browser's IndexedDB. Where it cannot be opened or written (some private
// modes block it, a full disk refuses it) the page says so and offers the download, which
// keeps the field whatever the browser does.
function savesNotKept(error) {
  const warning = document.getElementById('storage-warning');
  warning.querySelector('span').textContent = 'This browser does not keep your saves (' +
      (error && error.name || error) + '): Download state.dat keeps the field.';
  warning.hidden = false;
}
Module['savesNotKept'] = savesNotKept;

// Another tab of the page saved: its state.dat is read from IndexedDB into this tab, so that
// Load and Download take the latest save.
const saves = 'BroadcastChannel' in window ? new BroadcastChannel('quillomer-saves') : null;
if (saves)
  saves.onmessage = function () {
    readSaves(function (error) {
      if (!error)
        showNotice('Another tab saved state.dat: "Load state.dat" in the panel (u) takes it.');
    });
  };

// When state.dat was last written, as IndexedDB keeps it (a copy keeps its time): a save read
// from another tab is not announced back to it.
let keptStamp = null;
function stateStamp() {
  try {
    return Number(FS.stat(STATE_FILE).mtime);
  } catch (error) {
    return null;
  }
}

// Brings the file system's /save up to date from IndexedDB, then calls done(error).
function readSaves(done) {
  try {
    FS.syncfs(true, function (error) {
      if (error)
        savesNotKept(error);
      else
        keptStamp = stateStamp();
      done(error);
    });
  } catch (error) {
    savesNotKept(error);
    done(error);
  }
}

// Copies /save into IndexedDB; tells the other tabs when it kept a save of this tab's.
function keepSaves() {
  try {
    FS.syncfs(false, function (error) {
      if (error) {
        savesNotKept(error);
        return;
      }
      const stamp = stateStamp();
      if (saves && stamp !== keptStamp)
        saves.postMessage('saved');
      keptStamp = stamp;
    });
  } catch (error) {
    savesNotKept(error);
  }
}
Module['keepSaves'] = keepSaves;

// A message about the buttons, gone after a few seconds.
function showNotice(text, seconds = 6) {
  showMessage(text);
  setTimeout(function () {
    if (page.message.textContent === text)
      page.message.hidden = true;
  }, seconds * 1000);
}

function hasWebGL() {
  const probe = document.createElement('canvas');
  const gl = probe.getContext('webgl') || probe.getContext('experimental-webgl');
  const loser = gl && gl.getExtension('WEBGL_lose_context');
  if (loser)
    loser.loseContext();
  return !!gl;
}

// The query string can pass the program's options, e.g. ?args=w --seed 7 (tests use it);
// ?autopilot lets it stir by itself and ?fps=N draws at most N frames a second, so the page
// can serve as a live wallpaper.
const query = new URLSearchParams(location.search);
const programWords = (query.get('args') || 'w').trim().split(/\s+/);
if (query.has('autopilot'))
  programWords.push('--autopilot');
if (query.get('fps'))
  programWords.push('--fps', query.get('fps'));
Module['arguments'] = programWords;
Module['canvas'] = page.canvas;

// state.dat lives in the working folder, kept in IndexedDB; it is read back before the
// program starts, so a save survives a reload and is loaded at start.
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function () {
  FS.mkdir(SAVE_FOLDER);
  FS.mount(IDBFS, {}, SAVE_FOLDER);
  FS.chdir(SAVE_FOLDER);
  addRunDependency('saved-state');
  readSaves(function () { removeRunDependency('saved-state'); });
});

// What the program prints, kept for the page's word when the run ends: the usage for --help,
// the reason when it refuses its options. The runtime's own notes on its GL are left out.
const printed = [];
const printedErrors = [];
Module['print'] = function (text) { printed.push(text); };
Module['printErr'] = function (text) {
  if (!/^WARNING: using emscripten GL/.test(text))
    printedErrors.push(text.replace(/^quillomer: /, ''));
  console.warn(text);
};

// Counts the program's passes, for whoever waits for it to move on (the browser tests).
Module['postMainLoop'] = function () { Module['passes'] = (Module['passes'] || 0) + 1; };

Module['onExit'] = function (code) {
  page.running = false;
  page.soundHint.hidden = true;
  if (code === 0)
    showMessage('The run has ended. Reload the page to play again.', printed.join('\n'));
  else
    showMessage('Quillomer stopped: ' + (printedErrors.filter(Boolean)[0] || 'error ' + code) +
                '. Reload the page to try again.', printedErrors.slice(1).join('\n'));
};
Module['onAbort'] = function (what) {
  page.running = false;
  showMessage('Quillomer stopped: ' + what + '. Reload the page to try again.');
};

if (!hasWebGL()) {
  Module['noInitialRun'] = true;
  page.running = false;
  page.soundHint.hidden = true;
  showMessage('Quillomer needs WebGL, which this browser has switched off or lacks.');
}

// Browsers start sound only inside the handler of a gesture (some only in touchend or click),
// so the page keeps the program's audio contexts and resumes them there.
const audioContexts = [];
for (const name of ['AudioContext', 'webkitAudioContext']) {
  const Original = window[name];
  if (!Original)
    continue;
  window[name] = function (options) {
    const context = new Original(options);
    audioContexts.push(context);
    return context;
  };
  window[name].prototype = Original.prototype;
}
function startSound() {
  page.soundHint.hidden = true;
  if (document.hidden)
    return;
  for (const context of audioContexts)
    if (context.state === 'suspended')
      context.resume();
}
for (const gesture of ['touchend', 'click', 'pointerup', 'keydown'])
  document.addEventListener(gesture, startSound, true);

// A hidden page neither sounds nor draws; both come back when it is shown again.
const silenced = [];
document.addEventListener('visibilitychange', function () {
  if (!page.running)
    return;
  if (document.hidden) {
    Module['pauseMainLoop']();
    for (const context of audioContexts)
      if (context.state === 'running') {
        silenced.push(context);
        context.suspend();
      }
  } else {
    Module['resumeMainLoop']();
    for (const context of silenced.splice(0))
      context.resume();
  }
});

// The right button resizes the brush, so the canvas has no context menu.
page.canvas.addEventListener('contextmenu', function (event) { event.preventDefault(); });

// The program takes its options at start: the autopilot starts with a reload that asks for it.
const autopilotButton = document.getElementById('autopilot');
autopilotButton.hidden = query.has('autopilot');
autopilotButton.addEventListener('click', function () {
  query.set('autopilot', '');
  location.search = query.toString();
});

// The latest save: this tab's, or another tab's read in when it was announced. It is read from
// this tab's files, never fetched from IndexedDB here: a save IndexedDB refused is only there.
function downloadState() {
  let bytes;
  try {
    bytes = FS.readFile(STATE_FILE);
  } catch (error) {
    showNotice('No state.dat yet: open the panel (u) and press "Save state.dat" first.');
    return;
  }
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([bytes], {type: 'application/octet-stream'}));
  link.download = 'state.dat';
  link.click();
  URL.revokeObjectURL(link.href);
}
for (const button of document.querySelectorAll('button.download'))
  button.addEventListener('click', downloadState);

// An opened file replaces the save only when the program's own reader accepts it; otherwise
// the page says why and the save stays as it was.
document.getElementById('open').addEventListener('change', async function (event) {
  const file = event.target.files[0];
  event.target.value = '';
  if (!file)
    return;
  const bytes = new Uint8Array(await file.arrayBuffer());
  FS.writeFile(OPENED_FILE, bytes);
  const refusal = Module['ccall']('quillomerCheckStateFile', 'string', ['string'], [OPENED_FILE]);
  FS.unlink(OPENED_FILE);
  if (refusal) {
    showNotice(file.name + ' was not opened: ' + refusal + '. Your state.dat is kept.', 15);
    return;
  }
  FS.writeFile(STATE_FILE, bytes);
  keepSaves();
  showNotice('Opened ' + file.name + ': press "Load state.dat" in the panel (u) to use it.');
});

// The service worker keeps the page's files, so a second visit plays with no network. Each
// visit asks whether a new build is out (past the HTTP cache); once its files are kept, the
// page offers to reload into it.
if ('serviceWorker' in navigator && location.protocol !== 'file:') {
  const hadWorker = !!navigator.serviceWorker.controller;
  navigator.serviceWorker.addEventListener('controllerchange', function () {
    if (hadWorker)
      document.getElementById('update').hidden = false;
  });
  document.querySelector('#update button').addEventListener('click', function () {
    location.reload();
  });
  navigator.serviceWorker.register('service-worker.js', {updateViaCache: 'none'})
    .then(function (registration) { return registration.update(); })
    .catch(function (error) {
      console.info('the page cannot be kept for offline play: ' + error);
    });
}
