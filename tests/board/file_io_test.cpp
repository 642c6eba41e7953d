#include <gtest/gtest.h>

#include <filesystem>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "board/file_io.h"
#include "tests/support/test_folder.h"

using namespace vortan;
namespace fs = std::filesystem;

using vortan::testing::slurp;
using vortan::testing::testFolder;

TEST(FileIo, AtomicWriteReplacesOnlyWhenComplete) {
    const fs::path dir = testFolder("atomic");
    const fs::path file = dir / "board.dat";
    ASSERT_TRUE(writeFileAtomically(file.string(), "old contents"));
    EXPECT_EQ(slurp(file), "old contents");

    // A write that fails half-way leaves the old file and no temporary.
    const std::string big(200000, 'n');
    for (std::size_t failAt : {std::size_t{0}, std::size_t{65536}, big.size()}) {
        setAtomicWriteFaultHook([failAt](std::size_t written) { return written < failAt; });
        EXPECT_FALSE(writeFileAtomically(file.string(), big)) << failAt;
        setAtomicWriteFaultHook(nullptr);
        EXPECT_EQ(slurp(file), "old contents");
        EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator{}), 1);
    }
    ASSERT_TRUE(writeFileAtomically(file.string(), big));
    EXPECT_EQ(slurp(file), big);
    // A folder that does not exist cannot be written.
    EXPECT_FALSE(writeFileAtomically((dir / "missing" / "x.dat").string(), "x"));
}

TEST(FileIo, AWriterKilledAtAnyMomentLeavesTheOldOrTheNewFileWhole) {
    const fs::path dir = testFolder("killed");
    const fs::path file = dir / "HIScore0.dat";
    const std::string oldBytes(360, '\0');
    const std::string newBytes(400000, 'x');  // big enough to be caught half-way
    ASSERT_TRUE(writeFileAtomically(file.string(), oldBytes));
    std::uint32_t seed = 99;
    int sawOld = 0, sawNew = 0;
    for (int round = 0; round < 40; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;) {
                writeFileAtomically(file.string(), newBytes);
                writeFileAtomically(file.string(), oldBytes);
            }
        }
        seed = seed * 1664525u + 1013904223u;
        usleep(200 + (seed >> 16) % 3000);
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const std::string now = slurp(file);
        ASSERT_TRUE(now == oldBytes || now == newBytes) << "round " << round << ": " << now.size() << " bytes";
        (now == oldBytes ? sawOld : sawNew)++;
        // Leftover temporaries of a killed writer are the only litter.
        for (const auto& e : fs::directory_iterator(dir))
            if (e.path() != file) fs::remove(e.path());
    }
    EXPECT_GT(sawOld + sawNew, 0);
}
