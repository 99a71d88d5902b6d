// A clip made in the browser: the pictures and the sound go to the page (clip.js), which
// encodes them with the browser's WebCodecs and packs them into an MP4 file with Mediabunny.
#pragma once

#include "video/VideoWriter.h"

class BrowserVideoWriter : public VideoWriter {
public:
    bool open(const std::string& path, int width, int height, std::string& reason) override;
    bool addPicture(const uint8_t* rgb, std::string& reason) override;
    bool repeatPicture(std::string& reason) override;
    bool addSound(const int16_t* samples, int frames, std::string& reason) override;
    bool ready() override;
    bool finish(std::string& reason) override;

private:
    bool ok(int accepted, std::string& reason);

    int width = 0;
    int height = 0;
};
