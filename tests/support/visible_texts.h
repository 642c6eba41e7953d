// The texts a user reads in a window, for the translation tests: its title,
// and the labels, buttons, group boxes and menus it shows.
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QWidget>

namespace vortan::testing {

// Whether `text` came through the pseudo-translation: once the user's own
// data (board file names, the web address, numbers) is taken out, what is
// left is empty or wrapped in brackets.
inline bool isPseudoTranslated(QString text) {
    text.remove(QStringLiteral("[*]"));
    text.remove(QRegularExpression(QStringLiteral("https?://\\S+|[\\w.-]+\\.dat|\\d+")));
    text = text.trimmed();
    while (!text.isEmpty() && (text.front().isPunct() || text.front().isSpace()) && text.front() != '[')
        text.remove(0, 1);
    while (!text.isEmpty() && (text.back().isPunct() || text.back().isSpace()) && text.back() != ']') text.chop(1);
    return text.isEmpty() || (text.startsWith('[') && text.endsWith(']'));
}

// Every text shown by `menu` and its submenus: title, items and tool tips
// that differ from the item (Qt derives a missing tool tip from the text).
inline QStringList menuTexts(QMenu* menu) {
    QStringList texts{menu->title()};
    for (QAction* a : menu->actions()) {
        if (a->isSeparator() || !a->isVisible()) continue;
        if (a->menu()) texts << menuTexts(a->menu());
        else texts << a->text() << a->toolTip();
    }
    return texts;
}

// The title of `window` and every text its visible widgets show.
inline QStringList visibleTexts(QWidget* window) {
    QStringList texts{window->windowTitle()};
    if (auto* box = qobject_cast<QMessageBox*>(window)) texts << box->text();
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window)) continue;
        if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            // Qt's standard buttons are translated by Qt's own files.
            if (!qobject_cast<QDialogButtonBox*>(w->parentWidget())) texts << button->text();
        }
        else if (auto* group = qobject_cast<QGroupBox*>(w)) texts << group->title();
        else if (auto* bar = qobject_cast<QMenuBar*>(w))
            for (QAction* a : bar->actions()) texts << menuTexts(a->menu());
    }
    return texts;
}

// The texts of `window` that did not come through the pseudo-translation.
inline QStringList untranslatedTexts(QWidget* window) {
    QStringList left;
    for (const QString& t : visibleTexts(window))
        if (!isPseudoTranslated(t)) left << t;
    return left;
}

}  // namespace vortan::testing
