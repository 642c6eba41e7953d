#include "game_dialogs.h"
#include "platform/dialog_units.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "vortan/build_info.h"

namespace vortan {

const char* const kMakerWebAddress = "https://" VORTAN_WEB_ADDRESS "/";

namespace {
// The message dialogs' layouts were drawn for one font; fixed units keep them.
constexpr DialogUnits kUnits(6, 13);
int duX(int du) { return kUnits.x(du); }
int duY(int du) { return kUnits.y(du); }
}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("aboutDialog");
    setWindowTitle("Vortan, Version 2.3");
    applyDialogColours(this);
    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(":/game/zembrik.png").pixmap(32, 32));
    auto* text = new QLabel("Vortan, Version 2.3", this);
    text->setObjectName("aboutText");
    auto* ok = new QPushButton("OK", this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addWidget(text, 1);
    row->addWidget(ok);
    setLayout(row);
}

CWebLinkDlg::CWebLinkDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("webLinkDialog");
    setWindowTitle("Web Link");
    applyDialogColours(this);
    auto* col = new QVBoxLayout(this);
    col->addWidget(new QLabel("Please connect to the Internet before using the web link below", this));
    col->addWidget(new QLabel("Note, the web link only works with Internet Explorer", this));
    link_ = new QPushButton(kMakerWebAddress, this);
    link_->setObjectName("webLinkButton");
    link_->setAutoDefault(false);
    // The browser's own failures stay silent; the dialog stays open.
    connect(link_, &QPushButton::clicked, this,
            [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kMakerWebAddress))); });
    col->addWidget(link_);
    auto* ok = new QPushButton("OK", this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addStretch();
    col->addLayout(row);
}

CGameMessageDlg::CGameMessageDlg(int widthDu, int heightDu, Line first, Line second, int buttonX,
                                 int buttonY, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle("Game Message");
    applyDialogColours(this);
    setFixedSize(duX(widthDu), duY(heightDu));
    int i = 0;
    for (const Line& l : {first, second}) {
        auto* label = new QLabel(QString::fromLatin1(l.text), this);
        label->setObjectName(QString("line%1").arg(++i));
        label->adjustSize();
        label->move(duX(l.x), duY(l.y));
    }
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("okButton");
    ok->setDefault(true);
    ok->setGeometry(duX(buttonX), duY(buttonY), duX(50), duY(14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

CGameWonDlg::CGameWonDlg(QWidget* parent)
    : CGameMessageDlg(141, 88, {"GAME  OVER", 50, 15}, {"YOU WON", 55, 25}, 45, 55, parent) {
    setObjectName("gameWonDialog");
}

CGameLostDlg::CGameLostDlg(QWidget* parent)
    : CGameMessageDlg(141, 78, {"GAME OVER", 50, 20}, {"YOU LOST", 50, 30}, 45, 55, parent) {
    setObjectName("gameLostDialog");
}

}  // namespace vortan
