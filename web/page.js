// The page around the program: its arguments, the persistent folder for state.dat, the sound
// hint, the end of a run, and the buttons that move state.dat between browser and desktop.
// Emscripten places this before the program's own JavaScript, inside its Module.

const SAVE_FOLDER = '/save';
const STATE_FILE = SAVE_FOLDER + '/state.dat';
const page = {
  canvas: document.getElementById('canvas'),
  soundHint: document.getElementById('sound-hint'),
  message: document.getElementById('message'),
};

function showMessage(text) {
  page.message.textContent = text;
  page.message.hidden = false;
}

// A message about the buttons, gone after a few seconds.
function showNotice(text) {
  showMessage(text);
  setTimeout(function () {
    if (page.message.textContent === text)
      page.message.hidden = true;
  }, 6000);
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
  FS.syncfs(true, function (error) {
    if (error)
      console.warn('saved state could not be read from the browser: ' + error);
    removeRunDependency('saved-state');
  });
});

// Counts the program's passes, for whoever waits for it to move on (the browser tests).
Module['postMainLoop'] = function () { Module['passes'] = (Module['passes'] || 0) + 1; };

Module['onExit'] = function (code) {
  page.soundHint.hidden = true;
  showMessage(code === 0 ? 'The run has ended. Reload the page to play again.'
                         : 'Quillomer stopped with an error (see the browser console). Reload the page to try again.');
};
Module['onAbort'] = function (what) {
  showMessage('Quillomer stopped: ' + what + '. Reload the page to try again.');
};

if (!hasWebGL()) {
  Module['noInitialRun'] = true;
  page.soundHint.hidden = true;
  showMessage('Quillomer needs WebGL, which this browser has switched off or lacks.');
}

// Browsers start sound only after a gesture on the page; the first click or key starts it.
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
  for (const context of audioContexts)
    if (context.state === 'suspended')
      context.resume();
}
page.canvas.addEventListener('pointerdown', startSound);
document.addEventListener('keydown', startSound);

// The right button resizes the brush, so the canvas has no context menu.
page.canvas.addEventListener('contextmenu', function (event) { event.preventDefault(); });

// The program takes its options at start: the autopilot starts with a reload that asks for it.
const autopilotButton = document.getElementById('autopilot');
autopilotButton.hidden = query.has('autopilot');
autopilotButton.addEventListener('click', function () {
  query.set('autopilot', '');
  location.search = query.toString();
});

document.getElementById('fullscreen').addEventListener('click', function () {
  Module['requestFullscreen'](false, false);
});

document.getElementById('download').addEventListener('click', function () {
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
});

document.getElementById('open').addEventListener('change', async function (event) {
  const file = event.target.files[0];
  event.target.value = '';
  if (!file)
    return;
  FS.writeFile(STATE_FILE, new Uint8Array(await file.arrayBuffer()));
  FS.syncfs(false, function (error) {
    if (error)
      console.warn('state.dat could not be kept in the browser: ' + error);
  });
  showNotice('Opened ' + file.name + ': press "Load state.dat" in the panel (u) to use it.');
});
