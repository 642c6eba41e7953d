// Linked into every test program: no display and no sound device are needed,
// unless the caller asks for them explicitly, and every test process gets a
// data folder of its own (ctest runs the cases of one program side by side).
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace {
struct TestDefaults {
    std::string home;

    TestDefaults() {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        // English whatever the machine's language; a test of the
        // translations chooses its locale itself.
        setenv("LANGUAGE", "en", 1);
        if (const char* base = std::getenv("VORTAN_HOME")) {
            home = std::string(base) + "/p" + std::to_string(getpid());
            std::error_code ec;
            std::filesystem::remove_all(home, ec);
            std::filesystem::create_directories(home, ec);
            setenv("VORTAN_HOME", home.c_str(), 1);
            // Preferences, too, stay in the test's own folder.
            setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
        }
    }
    ~TestDefaults() {
        std::error_code ec;
        if (!home.empty() && !std::getenv("VORTAN_KEEP_TEST_HOME")) std::filesystem::remove_all(home, ec);
    }
} testDefaults;
}  // namespace
