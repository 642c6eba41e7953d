#include "dialogs.h"
#include "platform/dialog_units.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <climits>

#include "document.h"

namespace vortan::designer {

namespace {

// The largest value a board file can hold (16 bits).
constexpr quint32 kMaxBoardValue = 65535;

// The designer's dialogs follow their font.
DialogUnits Units(const QWidget* w) { return DialogUnits::ofFont(w->font()); }

void setup(QDialog* d, const QString& title, int w, int h) {
    d->setWindowTitle(title);
    d->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                      Qt::WindowCloseButtonHint);
    d->setModal(true);
    applyDialogColours(d);
    d->setFixedSize(Units(d).rect(0, 0, w, h).size());
}

QLabel* label(QDialog* d, const QString& text, int x, int y, int w, int h, bool wrap = false) {
    auto* l = new QLabel(text, d);
    QRect r = Units(d).rect(x, y, w, h);
    l->setWordWrap(wrap);
    // A wider font than the template's must not cut the words off.
    if (!wrap && l->sizeHint().width() > r.width()) r.setWidth(l->sizeHint().width());
    if (l->sizeHint().height() > r.height() && !wrap) r.setHeight(l->sizeHint().height());
    l->setGeometry(r);
    return l;
}

QLineEdit* edit(QDialog* d, int id, int x, int y, int w, int h) {
    auto* e = new QLineEdit(d);
    e->setObjectName(QStringLiteral("edit%1").arg(id));
    e->setMaxLength(INT_MAX);  // the texts have no limit of their own
    QRect r = Units(d).rect(x, y, w, h);
    if (e->sizeHint().height() > r.height()) r.setHeight(e->sizeHint().height());
    e->setGeometry(r);
    return e;
}

QPushButton* button(QDialog* d, int id, const QString& text, int x, int y, int w, int h) {
    auto* b = new QPushButton(text, d);
    b->setObjectName(QStringLiteral("button%1").arg(id));
    b->setAutoDefault(false);
    b->setGeometry(Units(d).rect(x, y, w, h));
    return b;
}

QPushButton* okButton(QDialog* d, int x, int y, int w, int h) {
    QPushButton* ok = button(d, 1, QStringLiteral("OK"), x, y, w, h);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, d, &QDialog::accept);
    return ok;
}

QPushButton* cancelButton(QDialog* d, int x, int y, int w, int h) {
    QPushButton* cancel = button(d, 2, QStringLiteral("Cancel"), x, y, w, h);
    QObject::connect(cancel, &QPushButton::clicked, d, &QDialog::reject);
    return cancel;
}

}  // namespace

// ---- Initialize ----

CInitializeDlg::CInitializeDlg(QWidget* parent) : QDialog(parent), dde_(this) {
    setup(this, QStringLiteral("Initialize"), 231, 143);
    label(this, QStringLiteral("Game Name:"), 30, 30, 45, 8);
    label(this, QStringLiteral("Opening Message:"), 30, 55, 65, 8);
    nameEdit_ = edit(this, 1018, 100, 25, 55, 13);
    messageEdit_ = new QPlainTextEdit(this);
    messageEdit_->setObjectName(QStringLiteral("edit1002"));
    messageEdit_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    messageEdit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    messageEdit_->setTabChangesFocus(true);
    messageEdit_->setGeometry(Units(this).rect(100, 55, 105, 35));
    messageEdit_->installEventFilter(this);
    QPushButton* ok = okButton(this, 95, 110, 50, 14);
    cancelButton(this, 155, 110, 50, 14);
    QPushButton* def = button(this, 1013, QStringLiteral("Default"), 30, 110, 50, 14);
    connect(def, &QPushButton::clicked, this, &CInitializeDlg::OnDefault);
    setTabOrder(nameEdit_, messageEdit_);
    setTabOrder(messageEdit_, ok);

    // A board file stores 8-bit Windows text: refuse what it cannot keep
    // rather than let it turn into '?'.
    dde_.addText(messageEdit_, &openingMessage, QStringLiteral("\r\n"), DialogDataExchange::TextKind::Board);
    dde_.addText(nameEdit_, &gameName, DialogDataExchange::TextKind::Board);
}

int CInitializeDlg::exec() {
    dde_.toFields();
    nameEdit_->setFocus();
    nameEdit_->selectAll();
    return QDialog::exec();
}

void CInitializeDlg::accept() {
    if (dde_.fromFields()) QDialog::accept();
}

void CInitializeDlg::OnDefault() {
    dde_.fromFields();
    gameName = QStringLiteral("Game");
    openingMessage = QStringLiteral("Good Luck!");
    dde_.toFields();
}

bool CInitializeDlg::eventFilter(QObject* watched, QEvent* event) {
    // In the message field Enter confirms the dialog, Ctrl+Enter starts a line.
    if (watched == messageEdit_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (key->modifiers() & Qt::ControlModifier) messageEdit_->insertPlainText(QStringLiteral("\n"));
            else accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// ---- Limits ----

CLimitsDlg::CLimitsDlg(QWidget* parent) : QDialog(parent), dde_(this) {
    setup(this, QStringLiteral("Limits"), 266, 208);
    label(this, QStringLiteral("All time are in Seconds"), 40, 10, 80, 8);
    label(this, QStringLiteral("Note: For Limits, 0 mean OFF"), 160, 10, 105, 11);
    label(this, QStringLiteral("Time Limit:"), 40, 30, 40, 8);
    label(this, QStringLiteral("Move Limit:"), 40, 50, 45, 8);
    label(this, QStringLiteral("Number Box Time Limit:"), 40, 70, 80, 8);
    label(this, QStringLiteral("Star Box Time Limit:"), 40, 90, 70, 8);
    label(this, QStringLiteral("Number Of Lives:"), 40, 110, 60, 8);
    label(this, QStringLiteral("Time Box time value:"), 40, 130, 70, 8);
    label(this, QStringLiteral("Move Box move value:"), 40, 150, 75, 8);
    label(this,
          QStringLiteral("Note:  The Time Box Time Value is used for Time, Star and            Number boxes."),
          40, 175, 194, 20, true);
    QLineEdit* e1005 = edit(this, 1005, 130, 25, 40, 13);
    QLineEdit* e1006 = edit(this, 1006, 130, 45, 40, 13);
    QLineEdit* e1007 = edit(this, 1007, 130, 65, 40, 13);
    QLineEdit* e1008 = edit(this, 1008, 130, 85, 40, 13);
    QLineEdit* e1009 = edit(this, 1009, 130, 105, 40, 13);
    QLineEdit* e1010 = edit(this, 1010, 130, 125, 40, 13);
    QLineEdit* e1011 = edit(this, 1011, 130, 145, 40, 13);
    okButton(this, 190, 85, 50, 14);
    cancelButton(this, 190, 125, 50, 14);
    QPushButton* def = button(this, 1012, QStringLiteral("Default"), 190, 45, 50, 14);
    connect(def, &QPushButton::clicked, this, &CLimitsDlg::OnDefault);
    QWidget* order[] = {e1005, e1006, e1007, e1008, e1009, e1010, e1011};
    for (int i = 0; i + 1 < 7; ++i) setTabOrder(order[i], order[i + 1]);

    // The order in which the fields are read and refused. The file keeps 16
    // bits of each value, so a larger one would be saved as something else.
    dde_.addUnsigned(e1006, &moveLimit, kMaxBoardValue);
    dde_.addUnsigned(e1009, &numberOfLives, kMaxBoardValue);
    dde_.addUnsigned(e1007, &numberBoxTimeLimit, kMaxBoardValue);
    dde_.addUnsigned(e1008, &starBoxTimeLimit, kMaxBoardValue);
    dde_.addUnsigned(e1005, &timeLimit, kMaxBoardValue);
    dde_.addUnsigned(e1011, &moveBoxMoveValue, kMaxBoardValue);
    dde_.addUnsigned(e1010, &timeBoxTimeValue, kMaxBoardValue);
}

int CLimitsDlg::exec() {
    dde_.toFields();
    if (auto* first = findChild<QLineEdit*>(QStringLiteral("edit1005"))) {
        first->setFocus();
        first->selectAll();
    }
    return QDialog::exec();
}

void CLimitsDlg::accept() {
    if (dde_.fromFields()) QDialog::accept();
}

void CLimitsDlg::OnDefault() {
    dde_.fromFields();  // a refused field shows its message; the defaults follow anyway
    timeLimit = 200;
    moveLimit = 200;
    numberBoxTimeLimit = 50;
    starBoxTimeLimit = 50;
    numberOfLives = 1;
    timeBoxTimeValue = 40;
    moveBoxMoveValue = 50;
    dde_.toFields();
}

// ---- Box Number ----

CBoxNumberDlg::CBoxNumberDlg(QWidget* parent) : QDialog(parent), dde_(this) {
    setup(this, QStringLiteral("Box Number"), 197, 68);
    label(this, QStringLiteral("Enter a number from 1-9"), 25, 5, 85, 8);
    label(this, QStringLiteral("Number:"), 25, 30, 30, 8);
    QLineEdit* e = edit(this, 1000, 65, 25, 40, 13);
    okButton(this, 130, 15, 50, 14);
    cancelButton(this, 130, 35, 50, 14);
    dde_.addUnsigned(e, &number, kMaxBoardValue);
}

int CBoxNumberDlg::exec() {
    dde_.toFields();
    if (auto* e = findChild<QLineEdit*>(QStringLiteral("edit1000"))) {
        e->setFocus();
        e->selectAll();
    }
    return QDialog::exec();
}

void CBoxNumberDlg::accept() {
    if (dde_.fromFields()) QDialog::accept();
}

// ---- About ----

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setup(this, QStringLiteral("About Vortan Designer"), 202, 71);
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    const QPixmap pix(QStringLiteral(":/designer/111-box-your.png"));
    icon->setPixmap(pix.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    const QRect at = Units(this).rect(11, 17, 0, 0);
    icon->setGeometry(at.x(), at.y(), 32, 32);
    label(this, QStringLiteral("Vortan Designer, Version 1.0"), 39, 17, 96, 8);
    QPushButton* ok = okButton(this, 155, 15, 32, 14);
    ok->setFocus();
}

}  // namespace vortan::designer
