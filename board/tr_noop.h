// Marks an English text that a window shows translated. lupdate knows the
// name as an alias of QT_TRANSLATE_NOOP; the plain-C++ code keeps the text
// as it is, and the window looks it up in `context` when it shows it.
#pragma once

#define VORTAN_TR_NOOP(context, text) text
