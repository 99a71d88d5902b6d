// Sharing a jam: the page keeps what the player does (the program's --share) from its start
// or the last reset, and Share makes a link that carries it after "#jam=". A link opened
// replays the jam at its pace and then hands the field to the visitor; the jam's own saves
// go to a file of their own, so the visitor's state.dat changes only when they press Save.
// Placed after page.js and controls.js.

const JAM_MARK = '#jam=';
const JAM_SAVES = '/tmp/jam-state.dat';
const JAM_FILE = '/tmp/jam.qrec';
// Chat apps and link shorteners cut links near this length.
const CHAT_LINK_LIMIT = 2000;
const jam = {
  opened: location.hash.startsWith(JAM_MARK),
  shared: document.getElementById('jam-shared'),
  status: document.getElementById('jam-status'),
  link: document.getElementById('jam-link'),
  replaying: false,
};

// The address the link leads to: this page, without its options or fragment.
const pageAddress = () => location.origin + location.pathname;

const makingClip = query.has('clip') && jam.opened;
if (!makingClip && !programWords.some(word => ['--replay', '--record', '--video'].includes(word)))
  programWords.push('--share');
if (makingClip) {
  programWords.push('--replay', location.href, '--video', 'quillomer-jam.mp4');
} else if (jam.opened) {
  programWords.push('--replay', location.href, '--play-on', '--replay-saves', JAM_SAVES);
  jam.replaying = true;
}

function showJamStatus(link) {
  const seconds = (Module['ccall']('quillomerJamMilliseconds', 'number', [], []) / 1000).toFixed(1);
  let text = 'Jam ' + seconds + ' s, link ' + link.length.toLocaleString('en') + ' characters';
  if (link.length > CHAT_LINK_LIMIT)
    text += ' (longer than chat apps take: Download jam keeps it whole)';
  jam.status.textContent = text;
  jam.link.value = link;
  jam.shared.hidden = false;
}
document.getElementById('jam-shared-close').addEventListener('click', function () { jam.shared.hidden = true; });

document.getElementById('share').addEventListener('click', async function () {
  if (!page.running)
    return;
  const link = Module['ccall']('quillomerJamLink', 'string', ['string'], [pageAddress()]);
  showJamStatus(link);
  if (navigator.share) {
    try {
      await navigator.share({ title: 'A Quillomer jam', url: link });
      return;
    } catch (error) {
      if (error.name === 'AbortError')
        return;
    }
  }
  try {
    await navigator.clipboard.writeText(link);
    showNotice('Link copied: paste it to share your jam.');
  } catch (error) {
    jam.link.select();
    showNotice('Copy the link from the box to share your jam.');
  }
});

document.getElementById('download-jam').addEventListener('click', function () {
  if (!page.running)
    return;
  const refusal = Module['ccall']('quillomerWriteJam', 'string', ['string'], [JAM_FILE]);
  if (refusal) {
    showNotice('The jam was not saved: ' + refusal + '.');
    return;
  }
  const bytes = FS.readFile(JAM_FILE);
  FS.unlink(JAM_FILE);
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
  link.download = 'quillomer-jam.qrec';
  link.click();
  URL.revokeObjectURL(link.href);
});

// Save clip: the jam is rendered in a tab of its own (clip.js), this one plays on.
document.getElementById('save-clip').addEventListener('click', function () {
  if (!page.running)
    return;
  const link = Module['ccall']('quillomerJamLink', 'string', ['string'], [pageAddress()]);
  const frames = Math.floor(Module['ccall']('quillomerJamMilliseconds', 'number', [], []) * 60 / 1000) + 1;
  window.open(pageAddress() + '?clip=' + frames + link.slice(link.indexOf(JAM_MARK)), '_blank');
});

// A jam file (from Download jam or the desktop's --record) opens as its link would.
function base64url(bytes) {
  let text = '';
  for (let i = 0; i < bytes.length; i += 0x8000)
    text += String.fromCharCode.apply(null, bytes.subarray(i, i + 0x8000));
  return btoa(text).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
}
document.getElementById('open-jam').addEventListener('change', async function (event) {
  const file = event.target.files[0];
  event.target.value = '';
  if (!file)
    return;
  location.hash = JAM_MARK.slice(1) + base64url(new Uint8Array(await file.arrayBuffer()));
  location.reload();
});

// A jam that cannot be replayed says why; the page offers to play without it.
if (jam.opened && !makingClip) {
  const reportExit = Module['onExit'];
  Module['onExit'] = function (code) {
    reportExit(code);
    if (code === 0 || !jam.replaying)
      return;
    const button = document.createElement('button');
    button.textContent = 'Play without the jam';
    button.addEventListener('click', function () {
      history.replaceState(null, '', pageAddress() + location.search);
      location.reload();
    });
    page.message.append(' ', button);
  };
  const countPass = Module['postMainLoop'];
  Module['postMainLoop'] = function () {
    countPass();
    if (jam.replaying && !Module['ccall']('quillomerReplaying', 'number', [], [])) {
      jam.replaying = false;
      showNotice('The shared jam has ended: the field is yours.');
    }
  };
  showNotice('Playing a shared jam.', 600);
}
