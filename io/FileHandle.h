// The one owner of an open C file: it is closed when the handle goes out of scope. Where a
// failed close matters (buffered bytes not written), close it with closeChecked.
#pragma once

#include <cstdio>
#include <memory>

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};

using FileHandle = std::unique_ptr<FILE, FileCloser>;

/// Closes the file now; false if what was written could not all be stored.
inline bool closeChecked(FileHandle& file) { return std::fclose(file.release()) == 0; }
