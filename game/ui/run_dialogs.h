// The dialogs of game runs: Play Game, Options, the pause message and Enter
// High Score. Laid out from their templates' dialog units.
#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>

#include "game/runs/catalogue.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vortan {

// The Play Game dialog over the model that keeps its fields; every click
// reads the controls into the model, runs the model's handler and fills the
// controls again. Created once and kept, like the model.
class CPlayGameDlg : public QDialog {
    Q_OBJECT
public:
    explicit CPlayGameDlg(QWidget* parent = nullptr);

    // Shows the dialog modally on `model`; true when closed with "PLAY".
    bool run(PlayGameModel& model);

    QRadioButton* versionButton(int v) const;
    QRadioButton* seriesButton(int s) const;
    QRadioButton* gameButton(int g) const;
    QLabel* seriesLabel(int s) const { return labels_[s]; }
    QLineEdit* scoreEdit() const { return score_; }
    QLineEdit* initialsEdit() const { return initials_; }
    QPushButton* playButton() const { return play_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* resetButton() const { return reset_; }

    // Dialog data exchange: model into controls, controls into model. A
    // high score that is not an integer is refused with "Please enter an
    // integer." and stops the reading there.
    void fillControls();
    bool readControls();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void onPlay();
    void onDialogClick();

    PlayGameModel* model_ = nullptr;
    QButtonGroup* versions_;
    QButtonGroup* series_;
    QButtonGroup* games_;
    QLabel* labels_[kSeriesCount] = {};
    QLineEdit* initials_;
    QLineEdit* score_;
    QPushButton* play_;
    QPushButton* cancel_;
    QPushButton* reset_;
};

// "Options Menu": graphics, music and sound-effect styles; -1 checks no
// button of a group, and a group without a checked button reads -1.
class COptionsDlg : public QDialog {
    Q_OBJECT
public:
    explicit COptionsDlg(QWidget* parent = nullptr);

    // Shows the dialog on the three fields; on "OK" they take the choices.
    bool run(std::int32_t (&fields)[3]);

    QRadioButton* button(int group, int index) const;
    QPushButton* okButton() const { return ok_; }

private:
    QButtonGroup* groups_[3] = {};
    QPushButton* ok_;
};

// "Game Message" with "PAUSED" and an "UNPAUSE" button; every way of
// closing it unpauses.
class CPauseDlg : public QDialog {
    Q_OBJECT
public:
    explicit CPauseDlg(QWidget* parent = nullptr);
};

// "Enter High Score": the new score (read-only) and the initials, which get
// the keyboard first so that typing and Enter are all it takes.
class CEnterHighScoreDlg : public QDialog {
    Q_OBJECT
public:
    CEnterHighScoreDlg(std::int32_t score, QWidget* parent = nullptr);

    QLineEdit* scoreEdit() const { return score_; }
    QLineEdit* initialsEdit() const { return initials_; }
    // What was typed once closed with "OK"; empty otherwise.
    QString initials() const { return result_; }

private:
    QLineEdit* score_;
    QLineEdit* initials_;
    QString result_;
};

// Reads a signed decimal integer field: blanks around it, an optional sign,
// digits; false for anything else or a value beyond 32 bits.

}  // namespace vortan
