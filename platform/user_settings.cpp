#include "user_settings.h"

#include <QSettings>
#include <QSize>
#include <QWidget>

namespace vortan {

namespace {
const char* const kPauseWhenLeft = "game/pauseWhenLeft";
}  // namespace

bool UserSettings::pauseWhenLeft() { return QSettings().value(kPauseWhenLeft, true).toBool(); }

void UserSettings::setPauseWhenLeft(bool on) { QSettings().setValue(kPauseWhenLeft, on); }

void UserSettings::rememberWindow(const QWidget& window, const QString& name) {
    QSettings s;
    s.beginGroup(name);
    // Maximised or full screen, the size to come back to is the normal one
    // (unknown without a window manager: then the size it has).
    const bool stretched = window.isMaximized() || window.isFullScreen();
    const QSize normal = window.normalGeometry().size();
    s.setValue("windowSize", stretched && normal.isValid() && !normal.isEmpty() ? normal : window.size());
    s.setValue("maximized", window.isMaximized());
    s.setValue("fullScreen", window.isFullScreen());
}

void UserSettings::restoreWindow(QWidget& window, const QString& name) {
    QSettings s;
    s.beginGroup(name);
    const QSize size = s.value("windowSize").toSize();
    if (size.isValid() && !size.isEmpty()) window.resize(size);
    Qt::WindowStates state = window.windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen);
    if (s.value("maximized", false).toBool()) state |= Qt::WindowMaximized;
    if (s.value("fullScreen", false).toBool()) state |= Qt::WindowFullScreen;
    window.setWindowState(state);
}

}  // namespace vortan
