// What both programs set on their application object before any window.
#pragma once

#include <QLocale>

namespace vortan {

// The name under which settings and the user's data folder are kept. No
// display name: the window system would add it to every window's title,
// and each window already carries the caption it is meant to have.
// Then the translations for the user's language (see installTranslations).
void initApplication();

// Installs the programs' own translation (built into them) and Qt's for its
// standard buttons, for the first of `locale`'s languages that has one,
// replacing any installed before. English needs none. Returns whether the
// programs' own translation was found.
bool installTranslations(const QLocale& locale = QLocale());

}  // namespace vortan
