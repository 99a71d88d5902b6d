#include "render/PngFile.h"

// The browser build has no PNG encoder: the page takes pictures of its canvas itself.
bool writeRgbPng(const std::string& path, int, int, std::vector<uint8_t>, std::string& reason) {
    reason = "cannot write " + path + ": pictures are not written in the browser";
    return false;
}
