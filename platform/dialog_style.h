// The look both programs give their dialogs and message boxes: a grey
// (192, 192, 192) face with black text.
#pragma once

class QWidget;

namespace vortan {

void applyDialogColours(QWidget* dialog);

}  // namespace vortan
