// The sound's one format, wherever it is made, played, captured or exported: 44.1 kHz, signed
// 16-bit stereo, in the 2048-frame buffers the audio device asks for. An exact offline export
// renders the same buffers the device would, so every part takes these from here.
#pragma once

struct AudioFormat {
    static constexpr int SAMPLE_RATE = 44100;
    static constexpr int CHANNELS = 2;
    static constexpr int BUFFER_FRAMES = 2048;
};
