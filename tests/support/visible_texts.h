// The texts a user reads in a window, for the translation tests: its title,
// and the labels, buttons, group boxes and menus it shows.
#pragma once

#include <algorithm>

#include <QAbstractButton>
#include <QAction>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>

namespace vortan::testing {

// Whether `text` came through the pseudo-translation: once the user's own
// data (board file names, the web address, numbers) and the punctuation
// around it are taken out, what is left is empty or one bracketed whole (a
// translated text may hold translated parts: "[Tools: [Off], [Your]]").
inline bool isPseudoTranslated(QString text) {
    text.remove(QRegularExpression(QStringLiteral("\\[\\*\\]|https?://\\S+|[\\w.-]+\\.dat|\\d+")));
    text.remove(QRegularExpression(QStringLiteral("^[^\\w\\[]+|[^\\w\\]]+$")));
    int depth = 0;
    for (int i = 0; i < text.size(); ++i) {
        depth += text[i] == '[' ? 1 : text[i] == ']' ? -1 : 0;
        if (depth <= 0 && i + 1 < text.size()) return false;
    }
    return depth == 0;
}

// Title, items and tool tips of `menu` and its submenus.
inline QStringList menuTexts(QMenu* menu) {
    QStringList texts{menu->title()};
    for (QAction* a : menu->actions())
        if (a->menu()) texts << menuTexts(a->menu());
        else if (!a->isSeparator() && a->isVisible()) texts << a->text() << a->toolTip();
    return texts;
}

// The texts of `window` that did not come through the pseudo-translation.
// Qt's standard buttons are left out: Qt's own files translate them.
inline QStringList untranslatedTexts(QWidget* window) {
    QStringList texts{window->windowTitle()};
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window)) continue;
        if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w); b && !qobject_cast<QDialogButtonBox*>(w->parentWidget()))
            texts << b->text();
        if (auto* group = qobject_cast<QGroupBox*>(w)) texts << group->title();
        if (auto* bar = qobject_cast<QMenuBar*>(w))
            for (QAction* a : bar->actions()) texts << menuTexts(a->menu());
    }
    // A text may be one translation, or lines that are each one (a list
    // put together from translated pieces).
    auto linesTranslated = [](const QString& t) {
        const QStringList lines = t.split(QLatin1Char('\n'));
        return lines.size() > 1 && std::all_of(lines.begin(), lines.end(), isPseudoTranslated);
    };
    QStringList left;
    for (const QString& t : texts)
        if (!isPseudoTranslated(t) && !linesTranslated(t)) left << t;
    return left;
}

}  // namespace vortan::testing
