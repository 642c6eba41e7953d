#include "user_settings.h"

#include <QSettings>

namespace vortan {

namespace {
const char* const kPauseWhenLeft = "game/pauseWhenLeft";
}  // namespace

bool UserSettings::pauseWhenLeft() { return QSettings().value(kPauseWhenLeft, true).toBool(); }

void UserSettings::setPauseWhenLeft(bool on) { QSettings().setValue(kPauseWhenLeft, on); }

}  // namespace vortan
