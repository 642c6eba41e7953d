#include "soundgen.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace vortan::soundgen {

std::string effectFileName(const std::string& name, int style) { return name + std::to_string(style) + ".wav"; }

std::string musicFileName(int style) { return "G" + std::to_string(style) + ".MID"; }

namespace {

// Writes beside the target and renames, so a reader never sees half a file
// and a failed run leaves the previous file intact.
bool writeFile(const std::string& path, const Bytes& bytes, std::string& error)
{
    const std::string temp = path + ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) {
            error = "cannot create " + temp;
            return false;
        }
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        out.close();
        if (!out) {
            std::remove(temp.c_str());
            error = "cannot write " + temp;
            return false;
        }
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        error = "cannot rename " + temp + " to " + path + ": " + std::strerror(errno);
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

} // namespace

bool writeAll(const std::string& dir, std::string& error)
{
    if (dir.empty()) {
        error = "no output folder given";
        return false;
    }
    const std::string prefix = dir.back() == '/' ? dir : dir + "/";
    for (int style = 0; style < kStyleCount; ++style) {
        for (const std::string& name : effectNames()) {
            Pcm pcm;
            if (!renderEffect(name, style, pcm)) {
                error = "cannot render " + effectFileName(name, style);
                return false;
            }
            if (!writeFile(prefix + effectFileName(name, style), encodeWav(pcm), error))
                return false;
        }
        if (!writeFile(prefix + musicFileName(style), composeMusic(style), error))
            return false;
    }
    return true;
}

} // namespace vortan::soundgen
