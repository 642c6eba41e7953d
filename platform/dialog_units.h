// Dialog units, the measure the dialogs' layouts were drawn in: a quarter of
// a base width across and an eighth of a base height down. The base is the
// dialog font's average character, or fixed numbers where a dialog was laid
// out for one font and must keep its proportions.
#pragma once

#include <QRect>
#include <QSize>

class QFont;

namespace vortan {

class DialogUnits {
public:
    constexpr DialogUnits(int baseWidth, int baseHeight) : cx_(baseWidth), cy_(baseHeight) {}
    // Half the average width of the letters, and the line height, of `font`.
    static DialogUnits ofFont(const QFont& font);

    constexpr int x(int du) const { return du * cx_ / 4; }
    constexpr int y(int du) const { return du * cy_ / 8; }
    QRect rect(int x, int y, int w, int h) const { return QRect(this->x(x), this->y(y), this->x(w), this->y(h)); }
    QSize size(int w, int h) const { return QSize(x(w), y(h)); }

private:
    int cx_;
    int cy_;
};

}  // namespace vortan
