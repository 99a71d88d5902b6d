#include "io/FileHandle.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace fs = std::filesystem;

// Paths are UTF-8 whatever the system's code page: a folder and a file named with accented
// Latin, Cyrillic and CJK letters (no Windows code page holds them all) are made under their
// own names, written, read, checked and removed.
TEST(FileHandle, WritesReadsChecksAndRemovesUnderAnyName) {
    const fs::path folder = fs::temp_directory_path() / fs::u8path("quillomer José Иван 山田");
    fs::remove_all(folder);
    ASSERT_TRUE(fs::create_directories(folder));
    const std::string path = (folder / fs::u8path("état.bin")).u8string();

    FileHandle written = openFile(path, "wb");
    ASSERT_TRUE(written);
    ASSERT_EQ(std::fwrite("bytes", 1, 5, written.get()), 5u);
    ASSERT_TRUE(closeChecked(written));
    ASSERT_EQ(fs::directory_iterator(folder)->path().filename().u8string(), "état.bin");
    EXPECT_TRUE(hasFileAccess(path, W_OK));

    FileHandle read = openFile(path, "rb");
    ASSERT_TRUE(read);
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(readToEnd(read.get(), bytes));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "bytes");
    read.reset();

    EXPECT_TRUE(removeFile(path));
    EXPECT_FALSE(hasFileAccess(path, F_OK));
    EXPECT_EQ(errno, ENOENT);
    EXPECT_FALSE(openFile(path, "rb"));
    EXPECT_EQ(errno, ENOENT);
    EXPECT_FALSE(removeFile(path));
    fs::remove(folder);
}
