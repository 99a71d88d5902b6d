// What the operating system decides about files: where the running program lies and how a
// file is replaced by another in one step. Each system has its own source file.
#pragma once

#include <filesystem>
#include <string>

/// The running program's file; empty if unknown.
std::filesystem::path runningProgram();

/// Puts `source` in the place of `target` in one step, replacing `target` if it exists, so
/// that a reader finds either the old file or the whole new one; false with the system's
/// reason if not (`target` is then untouched).
bool replaceFile(const std::string& source, const std::string& target, std::string& reason);
