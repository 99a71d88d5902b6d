// The SDL audio device that plays the synthesiser while the simulation screen is current.
//
// Threads: audioCallback runs on SDL's audio thread. It touches only the program-wide
// Synthesizer (which belongs to that thread alone) and the screen's atomic sound values
// (gateOpen, soundNote, soundAmplitude, closeGate), and pushes into the lock-free capture
// when one is set; it never blocks or allocates.
#pragma once

#include <SDL.h>

class GameState;
class AudioCapture;

/// Opens 44100 Hz, signed 16-bit little-endian stereo in 2048-frame buffers and starts
/// playback; a failure is reported ("Couldn't open audio") and the program stays silent.
void openAudio(void (*callback)(void*, Uint8*, int), GameState* userdata);
/// Pauses and closes the device.
void closeAudio();
/// Fills `len` bytes of `stream` from the synthesiser driven by the GameState in `userdata`,
/// and copies the samples into the capture when one is set.
void audioCallback(void* userdata, Uint8* stream, int len);
/// Sets (or with null, removes) the capture that receives a copy of every sample produced.
void setSampleCapture(AudioCapture* capture);
