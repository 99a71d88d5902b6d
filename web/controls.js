// How a player reaches the program on any screen: the picture fitted to the window beside the
// page's controls, touches turned into the mouse events the program knows, the program's keys
// as buttons, fullscreen, and help for the device at hand. Placed after page.js.

const FRAME = { width: 1024, height: 768 };

// The picture's largest 4:3 size with the controls below it or beside it, whichever is larger.
function fitToWindow() {
  const style = getComputedStyle(page.main);
  const gap = parseFloat(style.gap);
  const room = { width: page.main.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight),
                 height: page.main.clientHeight - parseFloat(style.paddingTop) - parseFloat(style.paddingBottom) };
  let best = null;
  for (const layout of ['below', 'beside']) {
    page.main.className = layout;
    const bar = page.bar.getBoundingClientRect();
    const below = layout === 'below';
    const width = below ? room.width : room.width - bar.width - gap;
    const height = below ? room.height - bar.height - gap : room.height;
    const scale = Math.min(width / FRAME.width, height / FRAME.height);
    if (!best || scale > best.scale)
      best = { layout, scale };
  }
  page.main.className = best.layout;
  const width = Math.max(4, Math.floor(FRAME.width * best.scale / 4) * 4);
  page.stage.style.width = width + 'px';
  page.stage.style.height = width * FRAME.height / FRAME.width + 'px';
}
if (matchMedia('(pointer: coarse)').matches) {
  page.help.textContent = 'One finger stirs and presses the panel; two fingers moved up or down size the brush.';
  page.soundHint.textContent = 'Touch the field to start the sound';
}
fitToWindow();
window.addEventListener('resize', fitToWindow);
window.addEventListener('orientationchange', fitToWindow);
if (document.fonts)
  document.fonts.ready.then(fitToWindow);

// Touches on the field reach the program as a mouse: one finger is the left button, so it
// stirs, presses the panel's buttons and drags its sliders; two fingers are the right button
// at their midpoint, so moving them up or down sizes the brush. After two fingers nothing
// more happens until every finger is lifted.
const LEFT = 0, RIGHT = 2, NONE = -1, WAITING = -2;
let touchButton = NONE;

function sendMouse(type, button, point) {
  page.canvas.dispatchEvent(new MouseEvent(type, {
    bubbles: true, cancelable: true, view: window, button, clientX: point.x, clientY: point.y,
    buttons: type === 'mouseup' ? 0 : 1 << (button === RIGHT ? 1 : 0),
  }));
}

function midpoint(touches) {
  let x = 0, y = 0;
  for (const touch of touches) {
    x += touch.clientX;
    y += touch.clientY;
  }
  return { x: x / touches.length, y: y / touches.length };
}

function followTouches(event) {
  event.preventDefault();
  event.stopPropagation(); // the runtime's own touch handling would press the left button
  const fingers = event.touches.length;
  const point = midpoint(fingers ? event.touches : event.changedTouches);
  if (fingers === 0) {
    if (touchButton >= 0)
      sendMouse('mouseup', touchButton, point);
    touchButton = NONE;
  } else if (touchButton === NONE && fingers === 1) {
    sendMouse('mousemove', LEFT, point);
    sendMouse('mousedown', LEFT, point);
    touchButton = LEFT;
  } else if (touchButton !== RIGHT && touchButton !== WAITING && fingers >= 2) {
    if (touchButton === LEFT)
      sendMouse('mouseup', LEFT, midpoint([event.touches[0]]));
    sendMouse('mousemove', RIGHT, point);
    sendMouse('mousedown', RIGHT, point);
    touchButton = RIGHT;
  } else if (touchButton === RIGHT && fingers < 2) {
    sendMouse('mouseup', RIGHT, point);
    touchButton = WAITING;
  } else if (touchButton >= 0 && event.type === 'touchmove') {
    sendMouse('mousemove', touchButton, point);
  }
}
for (const type of ['touchstart', 'touchmove', 'touchend', 'touchcancel'])
  page.stage.addEventListener(type, followTouches, { capture: true, passive: false });

// The program's keys as buttons: they send the same key events a keyboard does.
function sendKey(key) {
  const code = key.toUpperCase().charCodeAt(0);
  for (const type of ['keydown', 'keyup']) {
    const event = new KeyboardEvent(type, { key, code: 'Key' + key.toUpperCase(), bubbles: true, cancelable: true });
    Object.defineProperty(event, 'keyCode', { value: code });
    Object.defineProperty(event, 'which', { value: code });
    document.dispatchEvent(event);
  }
}
for (const button of document.querySelectorAll('#keys button')) {
  // A button keeps no focus, so Space or Enter afterwards does not press it again.
  button.addEventListener('mousedown', function (event) { event.preventDefault(); });
  button.addEventListener('click', function () { sendKey(button.dataset.key); });
}

// The whole page goes fullscreen, so its controls stay at hand; a phone turns to landscape.
document.getElementById('fullscreen').addEventListener('click', function () {
  if (document.fullscreenElement) {
    document.exitFullscreen();
    return;
  }
  document.documentElement.requestFullscreen().then(function () {
    if (screen.orientation && screen.orientation.lock)
      return screen.orientation.lock('landscape');
  }).catch(function () {});
});
