#include "io/FileHandle.h"

bool readToEnd(FILE* file, std::vector<uint8_t>& bytes) {
    uint8_t chunk[65536];
    size_t count;
    while ((count = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.insert(bytes.end(), chunk, chunk + count);
    return !std::ferror(file);
}
