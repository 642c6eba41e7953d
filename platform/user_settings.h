// Preferences that are not part of "Options.dat": kept in the user's
// configuration folder, so the options file keeps its 24 bytes.
#pragma once

class QString;
class QWidget;

namespace vortan {

class UserSettings {
public:
    // Pause a running game when its window is left or minimised (on unless
    // the player turned it off).
    static bool pauseWhenLeft();
    static void setPauseWhenLeft(bool on);

    // A main window's size when it was last closed, and whether it was
    // maximised or full screen, under `name`. Restoring before the window is
    // first shown leaves it alone when nothing was remembered yet.
    static void rememberWindow(const QWidget& window, const QString& name);
    static void restoreWindow(QWidget& window, const QString& name);
};

}  // namespace vortan
