// Save clip: a new tab opens the page with ?clip=FRAMES and the jam's link. There the program
// renders the jam offline, frame by frame at 60 frames/s with its exact sound (its --video),
// and hands each picture and sound buffer to the functions below, which encode them with the
// browser's WebCodecs and pack them into an MP4 file with Mediabunny (served with the page).
// The clip is then downloaded, or handed to the share sheet. Placed after jam.js.

const CLIP_NAME = 'quillomer-jam.mp4';
const clip = {
  making: query.has('clip') && jam.opened,
  frames: 0,
  expectedFrames: Number(query.get('clip')) || 0,
  soundFrames: 0,
  problem: '',
  started: performance.now(),
};

// H.264 and AAC where the browser encodes them; else H.264 or VP9 with Opus (Debian's
// chromium encodes no AAC).
const VIDEO_CODECS = [
  { name: 'H.264', mux: 'avc', config: { codec: 'avc1.420028', avc: { format: 'avc' } } },
  { name: 'VP9', mux: 'vp9', config: { codec: 'vp09.00.40.08' } },
];
const AUDIO_CODECS = [
  { name: 'AAC', mux: 'aac', config: { codec: 'mp4a.40.2' } },
  { name: 'Opus', mux: 'opus', config: { codec: 'opus' } },
];

async function firstSupported(Encoder, codecs, common) {
  for (const codec of codecs) {
    const config = Object.assign({}, common, codec.config);
    if (typeof Encoder !== 'undefined' && (await Encoder.isConfigSupported(config)).supported)
      return Object.assign({}, codec, { config });
  }
  return null;
}

// Chooses the codecs and starts the file before the program runs.
async function prepareClip(width, height) {
  clip.video = await firstSupported(window.VideoEncoder, VIDEO_CODECS,
                                    { width, height, framerate: 60, bitrate: 8000000, latencyMode: 'quality' });
  clip.audio = await firstSupported(window.AudioEncoder, AUDIO_CODECS,
                                    { sampleRate: 44100, numberOfChannels: 2, bitrate: 160000 });
  if (!clip.video || !clip.audio)
    throw new Error('this browser cannot encode video (WebCodecs with H.264 or VP9, and AAC or Opus)');
  const media = window.mediabunny ||
    await new Promise(resolve => addEventListener('mediabunny', () => resolve(window.mediabunny), { once: true }));
  if (media instanceof Error)
    throw new Error('the page could not load its muxer (' + media.message + ')');
  clip.output = new media.Output({ format: new media.Mp4OutputFormat({ fastStart: 'in-memory' }),
                                   target: new media.BufferTarget() });
  const videoTrack = new media.EncodedVideoPacketSource(clip.video.mux);
  const audioTrack = new media.EncodedAudioPacketSource(clip.audio.mux);
  clip.output.addVideoTrack(videoTrack, { frameRate: 60 });
  clip.output.addAudioTrack(audioTrack);
  await clip.output.start();
  // Packets go to the file in the order the encoders give them.
  clip.packed = Promise.resolve();
  const pack = (track, chunk, meta) => {
    clip.packed = clip.packed.then(() => track.add(media.EncodedPacket.fromEncodedChunk(chunk), meta));
  };
  const fail = error => { clip.problem = clip.problem || String(error && error.message || error); };
  clip.videoEncoder = new VideoEncoder({ output: (chunk, meta) => pack(videoTrack, chunk, meta), error: fail });
  clip.videoEncoder.configure(clip.video.config);
  clip.audioEncoder = new AudioEncoder({ output: (chunk, meta) => pack(audioTrack, chunk, meta), error: fail });
  clip.audioEncoder.configure(clip.audio.config);
}

// The program renders faster than the encoders take pictures and sound: it waits while a few
// are queued.
Module['clipReady'] = function () {
  return clip.videoEncoder.encodeQueueSize <= 3 && clip.audioEncoder.encodeQueueSize <= 8;
};

Module['clipProblem'] = () => clip.problem || 'clips are made by the page\'s Save clip button';

Module['clipOpen'] = function () {
  return clip.making && clip.output && !clip.problem ? 1 : 0;
};

Module['clipPicture'] = function (rgb) {
  const rgbx = clip.picture || (clip.picture = new Uint8Array(1024 * 768 * 4).fill(255));
  for (let from = 0, to = 0; to < rgbx.length; from += 3, to += 4) {
    rgbx[to] = rgb[from];
    rgbx[to + 1] = rgb[from + 1];
    rgbx[to + 2] = rgb[from + 2];
  }
  return Module['clipRepeat']();
};

// The picture added last, shown for another frame.
Module['clipRepeat'] = function () {
  const width = 1024, height = 768, rgbx = clip.picture;
  const timestamp = Math.round(clip.frames * 1e6 / 60);
  const frame = new VideoFrame(rgbx, { format: 'RGBX', codedWidth: width, codedHeight: height, timestamp,
                                       duration: Math.round((clip.frames + 1) * 1e6 / 60) - timestamp });
  clip.videoEncoder.encode(frame, { keyFrame: clip.frames % 120 === 0 });
  frame.close();
  ++clip.frames;
  showClipProgress();
  return clip.problem ? 0 : 1;
};

Module['clipSound'] = function (samples) {
  const frames = samples.length / 2;
  clip.audioEncoder.encode(new AudioData({ format: 's16', sampleRate: 44100, numberOfChannels: 2,
                                           numberOfFrames: frames, timestamp: Math.round(clip.soundFrames * 1e6 / 44100),
                                           data: samples.slice() }));
  clip.soundFrames += frames;
  return clip.problem ? 0 : 1;
};

// The program is done with the clip: the encoders finish and the file is packed.
Module['clipFinish'] = function () {
  clip.done = (async () => {
    await Promise.all([clip.videoEncoder.flush(), clip.audioEncoder.flush()]);
    await clip.packed;
    await clip.output.finalize();
    if (clip.problem)
      throw new Error(clip.problem);
    return new File([clip.output.target.buffer], CLIP_NAME, { type: 'video/mp4' });
  })();
  return clip.problem ? 0 : 1;
};

function showClipProgress() {
  const bar = document.getElementById('clip-progress');
  if (clip.expectedFrames > 0)
    bar.value = Math.min(1, clip.frames / clip.expectedFrames);
}

function offerClip(file) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(file);
  link.download = file.name;
  link.click();
  const seconds = ((performance.now() - clip.started) / 1000).toFixed(1);
  const size = (file.size / 1e6).toFixed(1);
  showMessage('Clip saved: ' + file.name + ', ' + clip.video.name + ' and ' + clip.audio.name + ' in MP4, ' +
              clip.frames + ' frames, ' + size + ' MB, made in ' + seconds + ' s. ');
  const again = document.createElement('button');
  again.textContent = 'Download again';
  again.addEventListener('click', () => link.click());
  page.message.append(again);
  if (navigator.canShare && navigator.canShare({ files: [file] })) {
    const share = document.createElement('button');
    share.textContent = 'Share clip';
    share.addEventListener('click', () => navigator.share({ files: [file], title: 'A Quillomer jam' }).catch(() => {}));
    page.message.append(' ', share);
  }
}

if (clip.making) {
  document.getElementById('clip-bar').hidden = false;
  Module['preRun'].push(function () {
    addRunDependency('clip-encoders');
    prepareClip(1024, 768).then(
      () => removeRunDependency('clip-encoders'),
      error => { clip.problem = String(error.message || error); removeRunDependency('clip-encoders'); });
  });
  const reportExit = Module['onExit'];
  Module['onExit'] = function (code) {
    if (code !== 0 || !clip.done) {
      reportExit(code);
      return;
    }
    page.running = false;
    page.soundHint.hidden = true;
    showMessage('Packing the clip...');
    clip.done.then(offerClip, error => showMessage('The clip was not made: ' + (error.message || error) + '.'));
  };
}
