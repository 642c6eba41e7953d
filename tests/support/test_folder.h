// A folder of the test's own inside VORTAN_HOME (every test program gets an
// empty one), and whole files as bytes, without Qt.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace vortan::testing {

// VORTAN_HOME/name, emptied when `fresh`.
inline std::filesystem::path testFolder(const std::string& name, bool fresh = true) {
    const char* home = std::getenv("VORTAN_HOME");
    const std::filesystem::path dir =
        std::filesystem::path(home ? home : std::filesystem::temp_directory_path().string()) / name;
    if (fresh) std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

// The whole file, or nothing when it cannot be read.
inline std::string slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void spit(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace vortan::testing
