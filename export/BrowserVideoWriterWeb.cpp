#include "export/BrowserVideoWriter.h"

#include <emscripten.h>

#include <string>

namespace {
/// Why the page's encoder failed, as clip.js keeps it.
std::string pageProblem() { return emscripten_run_script_string("Module['clipProblem']()"); }
} // namespace

bool BrowserVideoWriter::ok(int accepted, std::string& reason) {
    if (accepted)
        return true;
    reason = pageProblem();
    return false;
}

bool BrowserVideoWriter::open(const std::string& path, int pictureWidth, int pictureHeight,
                              std::string& reason) {
    width = pictureWidth;
    height = pictureHeight;
    return ok(EM_ASM_INT({ return Module['clipOpen'](UTF8ToString($0), $1, $2); }, path.c_str(),
                         width, height),
              reason);
}

bool BrowserVideoWriter::addPicture(const uint8_t* rgb, std::string& reason) {
    return ok(EM_ASM_INT({ return Module['clipPicture'](HEAPU8.subarray($0, $0 + $1 * $2 * 3)); },
                         rgb, width, height),
              reason);
}

bool BrowserVideoWriter::repeatPicture(std::string& reason) {
    return ok(EM_ASM_INT({ return Module['clipRepeat'](); }), reason);
}

bool BrowserVideoWriter::addSound(const int16_t* samples, int frames, std::string& reason) {
    return ok(EM_ASM_INT({ return Module['clipSound'](HEAP16.subarray($0 >> 1, ($0 >> 1) + $1 * 2)); },
                         samples, frames),
              reason);
}

bool BrowserVideoWriter::ready() { return EM_ASM_INT({ return Module['clipReady']() ? 1 : 0; }); }

bool BrowserVideoWriter::finish(std::string& reason) {
    return ok(EM_ASM_INT({ return Module['clipFinish'](); }), reason);
}
