#include "run_dialogs.h"
#include "platform/dialog_units.h"

#include "platform/dialog_data.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <algorithm>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include "game_dialogs.h"

namespace vortan {


namespace {
// Dialog units to pixels; a little wider across than the message dialogs,
// as these templates put their texts close to their fields.
constexpr DialogUnits kUnits(7, 13);
int duX(int du) { return kUnits.x(du); }
int duY(int du) { return kUnits.y(du); }
QRect duRect(int x, int y, int w, int h) { return kUnits.rect(x, y, w, h); }

QLabel* staticText(QWidget* parent, const QString& text, int x, int y) {
    auto* label = new QLabel(text, parent);
    label->adjustSize();
    label->move(duX(x), duY(y));
    return label;
}

QGroupBox* groupBox(QWidget* parent, const QString& title, QRect r) {
    auto* box = new QGroupBox(title, parent);
    box->setGeometry(r);
    box->lower();  // behind the buttons that stand in it
    return box;
}

QPushButton* pushButton(QWidget* parent, const QString& text, QRect r, const char* name) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(r);
    return b;
}

// A group's value: the position of its checked button, -1 for none.
void setGroupValue(QButtonGroup* group, int value) {
    if (QAbstractButton* b = group->button(value)) {
        b->setChecked(true);
        return;
    }
    // An exclusive group will not uncheck its last button by itself.
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons()) b->setChecked(false);
    group->setExclusive(true);
}

}  // namespace

// ---- Play Game ------------------------------------------------------------

CPlayGameDlg::CPlayGameDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("playGameDialog");
    setWindowTitle("Play Game");
    applyDialogColours(this);
    setFixedSize(duX(331), duY(305));

    groupBox(this, "Version", duRect(31, 17, 271, 61));
    versions_ = new QButtonGroup(this);
    static constexpr int versionAt[kVersionCount][2] = {{44, 35}, {44, 55}, {129, 35},
                                                        {129, 55}, {210, 35}, {210, 54}};
    for (int v = 0; v < kVersionCount; ++v) {
        const VersionInfo& info = versionInfo(v);
        auto* b = new QRadioButton(QString::fromLatin1(info.radioText), this);
        b->setObjectName(QStringLiteral("radio%1").arg(info.radioId));
        b->setGeometry(duRect(versionAt[v][0], versionAt[v][1], 82, 10));
        b->setEnabled(info.enabled);
        versions_->addButton(b, v);
    }

    staticText(this, "Game Menu", 34, 86);
    groupBox(this, "Series", duRect(31, 97, 130, 137))->setObjectName("seriesGroup");
    series_ = new QButtonGroup(this);
    static constexpr int seriesIds[kSeriesCount] = {1000, 1001, 1002, 1003, 1082, 1083,
                                                    1084, 1085, 1086, 1087, 1088, 1089};
    for (int s = 0; s < kSeriesCount; ++s) {
        const int x = s < 6 ? 36 : 101;
        const int y = 112 + 20 * (s % 6);
        // Only the circle: the label beside it is a static of its own.
        auto* b = new QRadioButton(this);
        b->setObjectName(QStringLiteral("radio%1").arg(seriesIds[s]));
        b->setGeometry(duRect(x, y, 10, 10));
        series_->addButton(b, s);
        labels_[s] = new QLabel(QStringLiteral("Series %1").arg(s + 1), this);
        labels_[s]->setObjectName(QStringLiteral("static%1").arg(1103 + s));
        labels_[s]->setGeometry(duRect(s < 6 ? 47 : 111, y, 50, 10));
    }

    staticText(this, "Total of 120 Games per Version", 167, 87);
    groupBox(this, "Games", duRect(166, 97, 136, 117))->setObjectName("gamesGroup");
    games_ = new QButtonGroup(this);
    static constexpr int gameIds[kGamesPerSeries] = {1004, 1005, 1006, 1007, 1008, 1009, 1010, 1011, 1014, 1015};
    for (int g = 0; g < kGamesPerSeries; ++g) {
        auto* b = new QRadioButton(QStringLiteral("Game %1").arg(g + 1), this);
        b->setObjectName(QStringLiteral("radio%1").arg(gameIds[g]));
        b->setGeometry(duRect(g < 5 ? 171 : 236, 112 + 20 * (g % 5), 55, 10));
        games_->addButton(b, g);
    }

    staticText(this, "Choose a type and then a game to play", 31, 244);
    staticText(this, "Initials:", 192, 223)->setObjectName("static1136");
    staticText(this, "High Score:", 237, 223);
    initials_ = new QLineEdit(this);
    initials_->setObjectName("edit1125");
    initials_->setGeometry(duRect(189, 234, 40, 13));
    score_ = new QLineEdit(this);
    score_->setObjectName("edit1124");
    score_->setGeometry(duRect(236, 234, 60, 13));

    play_ = pushButton(this, "PLAY", duRect(31, 270, 60, 16), "playButton");
    play_->setDefault(true);
    cancel_ = pushButton(this, "Cancel", duRect(121, 270, 60, 16), "cancelButton");
    reset_ = pushButton(this, "Reset High Scores", duRect(211, 270, 91, 16), "resetButton");
    cancel_->setAutoDefault(false);
    reset_->setAutoDefault(false);

    connect(versions_, &QButtonGroup::idClicked, this, [this](int v) {
        readControls();
        model_->onVersion(v);
        fillControls();
    });
    connect(series_, &QButtonGroup::idClicked, this, [this](int s) {
        readControls();
        model_->onSeries(s);
        fillControls();
    });
    connect(games_, &QButtonGroup::idClicked, this, [this](int g) {
        readControls();
        model_->onGame(g);
        fillControls();
    });
    connect(reset_, &QPushButton::clicked, this, [this] {
        readControls();
        model_->onResetHighScores();
        fillControls();
    });
    connect(play_, &QPushButton::clicked, this, &CPlayGameDlg::onPlay);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

QRadioButton* CPlayGameDlg::versionButton(int v) const { return qobject_cast<QRadioButton*>(versions_->button(v)); }
QRadioButton* CPlayGameDlg::seriesButton(int s) const { return qobject_cast<QRadioButton*>(series_->button(s)); }
QRadioButton* CPlayGameDlg::gameButton(int g) const { return qobject_cast<QRadioButton*>(games_->button(g)); }

bool CPlayGameDlg::run(PlayGameModel& model) {
    model_ = &model;
    fillControls();
    readControls();
    fillControls();
    play_->setFocus();
    const bool played = exec() == QDialog::Accepted;
    return played;
}

void CPlayGameDlg::fillControls() {
    if (!model_) return;
    setGroupValue(versions_, model_->version);
    setGroupValue(series_, model_->series);
    setGroupValue(games_, model_->game);
    for (int s = 0; s < kSeriesCount; ++s) labels_[s]->setText(QString::fromStdString(model_->seriesLabels[s]));
    score_->setText(QString::number(model_->shownScore));
    initials_->setText(QString::fromStdString(model_->shownInitials));
}

bool CPlayGameDlg::readControls() {
    if (!model_) return false;
    model_->version = versions_->checkedId();
    model_->series = series_->checkedId();
    model_->game = games_->checkedId();
    // The high-score edit is read as an integer, the initials as text.
    qint32 score = 0;
    QString initials;
    DialogDataExchange ddx(this);
    ddx.addInteger(score_, &score);
    ddx.addText(initials_, &initials);
    if (!ddx.fromFields()) return false;
    model_->shownScore = score;
    model_->shownInitials = initials.toStdString();
    return true;
}

void CPlayGameDlg::onPlay() {
    // A refused field keeps the dialog open with the field selected.
    if (readControls()) accept();
}

void CPlayGameDlg::onDialogClick() {
    readControls();
    model_->onDialogClick();
    fillControls();
}

void CPlayGameDlg::mousePressEvent(QMouseEvent* event) {
    if (model_ && event->button() == Qt::LeftButton) onDialogClick();
    QDialog::mousePressEvent(event);
}

void CPlayGameDlg::mouseReleaseEvent(QMouseEvent* event) {
    if (model_ && event->button() == Qt::LeftButton) onDialogClick();
    QDialog::mouseReleaseEvent(event);
}

// ---- Options --------------------------------------------------------------

COptionsDlg::COptionsDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("optionsDialog");
    setWindowTitle("Options Menu");
    applyDialogColours(this);
    setFixedSize(duX(177), duY(276));

    struct Group {
        const char* title;
        QRect box;
        const char* texts[3];
        int ids[3];
        int ys[3];
        bool onlyFirst;  // the other two choices are not available yet
    };
    static const Group groups[3] = {
        {"Graphics", duRect(19, 18, 136, 65), {"Traditional", "Mixed", "Blues"}, {1115, 1116, 1117}, {31, 48, 65},
         false},
        {"Music", duRect(20, 95, 135, 65), {"Original", "Special Effects", "Artistic"}, {1121, 1122, 1123},
         {108, 127, 145}, true},
        {"Sound Effects", duRect(20, 173, 135, 65), {"Orignal", "Special Effect", "Artistic"}, {1118, 1119, 1120},
         {187, 205, 222}, true},
    };
    for (int g = 0; g < 3; ++g) {
        groupBox(this, groups[g].title, groups[g].box);
        groups_[g] = new QButtonGroup(this);
        for (int i = 0; i < 3; ++i) {
            auto* b = new QRadioButton(QString::fromLatin1(groups[g].texts[i]), this);
            b->setObjectName(QStringLiteral("radio%1").arg(groups[g].ids[i]));
            b->setGeometry(duRect(40, groups[g].ys[i], 90, 10));
            b->setEnabled(i == 0 || !groups[g].onlyFirst);
            groups_[g]->addButton(b, i);
        }
    }
    ok_ = pushButton(this, "OK", duRect(25, 250, 50, 14), "okButton");
    ok_->setDefault(true);
    auto* cancel = pushButton(this, "Cancel", duRect(100, 250, 50, 14), "cancelButton");
    cancel->setAutoDefault(false);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QRadioButton* COptionsDlg::button(int group, int index) const {
    return qobject_cast<QRadioButton*>(groups_[group]->button(index));
}

bool COptionsDlg::run(std::int32_t (&fields)[3]) {
    for (int g = 0; g < 3; ++g) setGroupValue(groups_[g], fields[g]);
    ok_->setFocus();
    if (exec() != QDialog::Accepted) return false;
    for (int g = 0; g < 3; ++g) fields[g] = groups_[g]->checkedId();
    return true;
}

// ---- Pause and Enter High Score -------------------------------------------

CPauseDlg::CPauseDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("pauseDialog");
    setWindowTitle("Game Message");
    applyDialogColours(this);
    setFixedSize(duX(141), duY(83));
    staticText(this, "PAUSED", 55, 25)->setObjectName("line1");
    auto* unpause = pushButton(this, "UNPAUSE", duRect(45, 50, 50, 14), "unpauseButton");
    unpause->setDefault(true);
    connect(unpause, &QPushButton::clicked, this, &QDialog::accept);
}

CEnterHighScoreDlg::CEnterHighScoreDlg(std::int32_t score, QWidget* parent) : QDialog(parent) {
    setObjectName("enterHighScoreDialog");
    setWindowTitle("Enter High Score");
    applyDialogColours(this);
    setFixedSize(duX(181), duY(98));
    // The initials come first so that they take the keyboard.
    initials_ = new QLineEdit(this);
    initials_->setObjectName("edit1080");
    initials_->setGeometry(duRect(135, 30, 25, 13));
    score_ = new QLineEdit(QString::number(score), this);
    score_->setObjectName("edit1079");
    score_->setReadOnly(true);
    score_->setGeometry(duRect(90, 10, 65, 13));
    staticText(this, "New High Score:", 30, 15);
    // One line; where the font makes it longer than the template allows,
    // the initials field moves right of it and the dialog grows to match.
    QLabel* prompt = staticText(this, "Enter In Your Three letter Initial:", 30, 35);
    prompt->setObjectName("prompt");
    const int gap = duX(3);
    if (prompt->geometry().right() + gap > initials_->x()) {
        initials_->move(prompt->geometry().right() + gap, initials_->y());
        setFixedWidth(std::max(width(), initials_->geometry().right() + duX(26)));
    }
    auto* ok = pushButton(this, "OK", duRect(30, 70, 50, 14), "okButton");
    ok->setDefault(true);
    auto* cancel = pushButton(this, "Cancel", duRect(105, 70, 50, 14), "cancelButton");
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, [this] {
        result_ = initials_->text();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    initials_->setFocus();
}

}  // namespace vortan
