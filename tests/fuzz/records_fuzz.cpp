// Fuzz target for the game's own files: the first byte picks the reader
// ("Options.dat", a "HIScore" file, "demomoves.dat"), the rest is the file.
// What was read is written back and read again, which must agree.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "game/runs/records.h"

using namespace vortan;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // Scratch files in a folder of this process's own (a name another user
    // cannot have put a link at), made once and written again for every input.
    static const std::string scratch = [] {
        char folder[] = "/tmp/vortan-fuzz-XXXXXX";
        if (!mkdtemp(folder)) std::abort();  // never fall back to a shared, guessable name
        return std::string(folder);
    }();
    static const std::string in = scratch + "/in.dat", out = scratch + "/out.dat";
    std::ofstream(in, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data + 1),
                                                                 static_cast<std::streamsize>(size - 1));
    switch (data[0] % 3) {
    case 0: {
        OptionsRecord a, b;
        if (!ReadOptions(in, a) || !WriteOptions(out, a) || !ReadOptions(out, b) || !(a == b)) std::abort();
        break;
    }
    case 1: {
        HighScoreTable a, b;
        if (!a.ReadHighScores(in)) std::abort();
        a.SetHighScore(data[0] % 12, data[0] % 10, 123, "AB");
        if (!a.WriteHighScores(out) || !b.ReadHighScores(out) || a.encode() != b.encode()) std::abort();
        break;
    }
    default: {
        std::int32_t a[151], b[151];
        if (!ReadDemoMovesFile(in, a) || !WriteDemoMovesFile(out, a) || !ReadDemoMovesFile(out, b)) std::abort();
        for (int i = 0; i < 151; ++i)
            if (a[i] != b[i]) std::abort();
        break;
    }
    }
    return 0;
}
