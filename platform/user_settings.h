// Preferences that are not part of "Options.dat": kept in the user's
// configuration folder, so the options file keeps its 24 bytes.
#pragma once

namespace vortan {

class UserSettings {
public:
    // Pause a running game when its window is left or minimised (on unless
    // the player turned it off).
    static bool pauseWhenLeft();
    static void setPauseWhenLeft(bool on);
};

}  // namespace vortan
