// The designer window's answers to the File commands' questions: Qt's own
// message boxes and file dialogs over the window.
#pragma once

#include "document.h"

class QWidget;

namespace vortan::designer {

class DialogFileHost : public FileHost {
public:
    explicit DialogFileHost(QWidget* window) : window_(window) {}
    Answer askSaveChanges(const QString& question) override;
    QString askPath(const PathQuestion& question) override;
    void fileMessage(const QString& text) override;

private:
    QWidget* window_;
};

}  // namespace vortan::designer
