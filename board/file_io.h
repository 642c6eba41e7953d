// Whole-file reading and crash-safe writing with the standard library and
// POSIX, for the parts of the system that have no Qt.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace vortan {

// The "can it be opened for reading" test the game uses for its files.
bool fileReadable(const std::string& path);

// Reads at most maxBytes; false when the file cannot be opened.
bool readFileBytes(const std::string& path, std::string& out, std::size_t maxBytes = 64u << 20);

// Writes `bytes` to a temporary file in the same folder, flushes it to disk
// and renames it over `path`. The old file stays intact unless the whole new
// one was written. Returns false (and leaves no temporary behind) on failure.
bool writeFileAtomically(const std::string& path, const std::string& bytes);

// Test hook: called with the number of bytes written so far before each
// chunk; returning false simulates a failing write at that point.
void setAtomicWriteFaultHook(std::function<bool(std::size_t written)> hook);

// Builds prefix + decimal n (a minus sign when negative) + suffix.
std::string MakeNumberedName(const std::string& prefix, int n, const std::string& suffix);

}  // namespace vortan
