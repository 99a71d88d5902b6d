// The Windows screensaver's settings, kept for the user in the registry
// (HKCU\Software\Quillomer\Screensaver: Sound, FramesPerSecond). The settings dialog writes
// them; the screensaver and its preview read them. Windows only.
#pragma once

struct ScreensaverSettings {
    /// The frame rates the dialog offers.
    static constexpr int FRAME_RATES[] = {15, 30, 60};

    bool sound = false;       ///< plays the synthesiser too
    int framesPerSecond = 30; ///< at most this many frames a second

    /// The saved settings; the defaults where none (or a bad value) is saved.
    static ScreensaverSettings load();
    /// Keeps the settings for the user; false if the registry refused them.
    bool save() const;
};
