// The designer's modal dialogs: Initialize (game name and opening message),
// Limits (seven values), Box Number and About. Controls are laid out from
// the dialog templates in dialog units and carry their control ids as
// object names ("edit1005", "button1012", ...).
#pragma once

#include <QDialog>
#include <QString>

#include "platform/dialog_data.h"
#include "platform/dialog_style.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vortan::designer {

class CInitializeDlg : public QDialog {
    Q_OBJECT
public:
    explicit CInitializeDlg(QWidget* parent = nullptr);
    int exec() override;
    void accept() override;

    QString gameName;        // control 1018
    QString openingMessage;  // control 1002; line breaks as CR LF

    void OnDefault();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* nameEdit_;
    QPlainTextEdit* messageEdit_;
    DialogDataExchange dde_;
};

class CLimitsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CLimitsDlg(QWidget* parent = nullptr);
    int exec() override;
    void accept() override;

    quint32 timeLimit = 0;           // 1005
    quint32 moveLimit = 0;           // 1006
    quint32 numberBoxTimeLimit = 0;  // 1007
    quint32 starBoxTimeLimit = 0;    // 1008
    quint32 numberOfLives = 0;       // 1009
    quint32 timeBoxTimeValue = 0;    // 1010
    quint32 moveBoxMoveValue = 0;    // 1011

    void OnDefault();

private:
    DialogDataExchange dde_;
};

class CBoxNumberDlg : public QDialog {
    Q_OBJECT
public:
    explicit CBoxNumberDlg(QWidget* parent = nullptr);
    int exec() override;
    void accept() override;

    quint32 number = 0;  // control 1000

private:
    DialogDataExchange dde_;
};

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace vortan::designer
