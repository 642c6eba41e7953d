// Linked into every test program: no display and no sound device are needed,
// unless the caller asks for them explicitly.
#include <cstdlib>

namespace {
struct HeadlessDefaults {
    HeadlessDefaults() {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
    }
} headlessDefaults;
}  // namespace
