#include "io/FileHandle.h"

bool readToEnd(FILE* file, std::vector<uint8_t>& bytes) {
    // On the heap: the browser build's whole stack is 64 KiB with newer emscripten.
    std::vector<uint8_t> chunk(65536);
    size_t count;
    while ((count = std::fread(chunk.data(), 1, chunk.size(), file)) > 0)
        bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + static_cast<long>(count));
    return !std::ferror(file);
}
