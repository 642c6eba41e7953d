// The game's small modal dialogs: About, Web Link and the two end-of-game
// messages.
#pragma once

#include <QDialog>
#include <QString>

#include "platform/dialog_style.h"

class QPushButton;

namespace vortan {

// The maker's web site, opened from the Web Link dialog.
extern const char* const kMakerWebAddress;

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

class CWebLinkDlg : public QDialog {
    Q_OBJECT
public:
    explicit CWebLinkDlg(QWidget* parent = nullptr);
    QPushButton* linkButton() const { return link_; }

private:
    QPushButton* link_ = nullptr;
};

// "Game Message" with two fixed lines and an OK button, laid out in dialog
// units (one unit: 1.5 pixels across, 1.625 down).
class CGameMessageDlg : public QDialog {
    Q_OBJECT
public:
    struct Line {
        const char* text;
        int x, y;
    };
    CGameMessageDlg(int widthDu, int heightDu, Line first, Line second, int buttonX, int buttonY,
                    QWidget* parent);
};

class CGameWonDlg : public CGameMessageDlg {
    Q_OBJECT
public:
    explicit CGameWonDlg(QWidget* parent = nullptr);
};

class CGameLostDlg : public CGameMessageDlg {
    Q_OBJECT
public:
    explicit CGameLostDlg(QWidget* parent = nullptr);
};

}  // namespace vortan
