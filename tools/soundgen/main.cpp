// vortan-soundgen OUTPUT_FOLDER      writes the 36 effects and 3 pieces
// vortan-soundgen --check FOLDER     measures the files found there
#include "soundgen.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

using namespace vortan::soundgen;

namespace {

bool readFile(const std::string& path, Bytes& out)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

int check(const std::string& dir)
{
    int bad = 0;
    for (int style = 0; style < kStyleCount; ++style) {
        for (const std::string& name : effectNames()) {
            const std::string file = effectFileName(name, style);
            Bytes bytes;
            if (!readFile(dir + "/" + file, bytes)) {
                std::printf("%-14s missing\n", file.c_str());
                ++bad;
                continue;
            }
            const WavInfo w = inspectWav(bytes);
            if (!w.ok) {
                std::printf("%-14s invalid: %s\n", file.c_str(), w.error.c_str());
                ++bad;
                continue;
            }
            std::printf("%-14s %5.3f s  peak %.3f  rms %.3f  dc %+.5f\n", file.c_str(), w.seconds, w.peak, w.rms,
                        w.dcOffset);
        }
    }
    for (int style = 0; style < kStyleCount; ++style) {
        const std::string file = musicFileName(style);
        Bytes bytes;
        if (!readFile(dir + "/" + file, bytes)) {
            std::printf("%-14s missing\n", file.c_str());
            ++bad;
            continue;
        }
        const MidiInfo m = inspectMidi(bytes);
        if (!m.ok) {
            std::printf("%-14s invalid: %s\n", file.c_str(), m.error.c_str());
            ++bad;
            continue;
        }
        std::printf("%-14s format %d, %d tracks, %zu notes, channels 0x%04x, last note-off %.2f s, end %.2f s\n",
                    file.c_str(), m.format, m.trackCount, m.noteOns, unsigned(m.channelsWithNotes),
                    m.lastNoteOffSeconds, m.endSeconds);
    }
    return bad == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--check")
        return check(argv[2]);
    if (argc != 2 || argv[1][0] == '-') {
        std::fprintf(stderr, "usage: vortan-soundgen OUTPUT_FOLDER\n       vortan-soundgen --check FOLDER\n");
        return 2;
    }
    std::string error;
    if (!writeAll(argv[1], error)) {
        std::fprintf(stderr, "vortan-soundgen: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
