// The one owner of an open C file: it is closed when the handle goes out of scope. Where a
// failed close matters (buffered bytes not written), close it with closeChecked.
//
// Paths are UTF-8 everywhere in the program. Files are opened, removed and checked through
// the functions below, which pass the path to the system in the form it reads every letter
// in: as it is on POSIX systems, through the wide API on Windows. Each platform has its own
// source file.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};

using FileHandle = std::unique_ptr<FILE, FileCloser>;

/// Closes the file now; false if what was written could not all be stored.
inline bool closeChecked(FileHandle& file) { return std::fclose(file.release()) == 0; }

/// Reads the file from where it stands to its end into `bytes`; false with errno set if a
/// read failed.
bool readToEnd(FILE* file, std::vector<uint8_t>& bytes);

/// Opens the file at the UTF-8 `path` as std::fopen does; empty with errno set on failure.
FileHandle openFile(const std::string& path, const char* mode);

/// Removes the file at the UTF-8 `path`; false with errno set on failure.
bool removeFile(const std::string& path);

/// Checks the access `mode` (R_OK, W_OK, F_OK) to the UTF-8 `path` as access() does; false
/// with errno set (ENOENT when there is no such file) if not granted.
bool hasFileAccess(const std::string& path, int mode);
