// The SDL audio device that plays the synthesiser while the simulation screen is current.
//
// Threads: audioCallback runs on SDL's audio thread. It touches only the program-wide
// Synthesizer (which belongs to that thread alone) and the atomic SoundControls it is given,
// and pushes into the lock-free capture when one is set; it never blocks or allocates.
#pragma once

#include <SDL.h>

#include <string>

class AudioCapture;
class SoundControls;

/// Opens 44100 Hz, signed 16-bit little-endian stereo in 2048-frame buffers played from
/// `controls` (which must outlive the device) and starts playback; false with SDL's reason
/// if there is no device to be had.
bool openAudio(SoundControls* controls, std::string& reason);
/// Pauses and closes the device; no callback runs after it returns.
void closeAudio();
/// Fills `len` bytes of `stream` with little-endian samples from the synthesiser played from
/// the SoundControls in `userdata`, closes their gate, and copies the samples into the
/// capture when one is set.
void audioCallback(void* userdata, Uint8* stream, int len);
/// Sets (or with null, removes) the capture that receives a copy of every sample produced.
void setSampleCapture(AudioCapture* capture);
