#include "dialog_style.h"
#include "dialog_units.h"

#include <QFontMetrics>
#include <QPalette>
#include <QWidget>

namespace vortan {

DialogUnits DialogUnits::ofFont(const QFont& font) {
    const QFontMetrics fm(font);
    const int letters = fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return DialogUnits((letters / 26 + 1) / 2, fm.height());
}

void applyDialogColours(QWidget* dialog) {
    QPalette pal = dialog->palette();
    const QColor grey(192, 192, 192);
    pal.setColor(QPalette::Window, grey);
    pal.setColor(QPalette::Button, grey);
    pal.setColor(QPalette::Base, Qt::white);
    // Black text, except on disabled controls, which must still look disabled.
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(g, QPalette::WindowText, Qt::black);
        pal.setColor(g, QPalette::ButtonText, Qt::black);
        pal.setColor(g, QPalette::Text, Qt::black);
    }
    const QColor disabled(128, 128, 128);
    pal.setColor(QPalette::Disabled, QPalette::WindowText, disabled);
    pal.setColor(QPalette::Disabled, QPalette::ButtonText, disabled);
    pal.setColor(QPalette::Disabled, QPalette::Text, disabled);
    dialog->setPalette(pal);
    dialog->setAutoFillBackground(true);
}

}  // namespace vortan
