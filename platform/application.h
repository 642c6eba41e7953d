// What both programs set on their application object before any window.
#pragma once

namespace vortan {

// The name under which settings and the user's data folder are kept. No
// display name: the window system would add it to every window's title,
// and each window already carries the caption it is meant to have.
void initApplication();

}  // namespace vortan
