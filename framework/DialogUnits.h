// SPDX-License-Identifier: GPL-3.0-or-later
// Dialog templates are laid out in dialog units, which scale with the dialog's font: a
// horizontal unit is a quarter of the font's average character width and a vertical unit an
// eighth of its height. Measuring the font actually used keeps every text inside the control
// that was sized for it, whatever font the desktop provides.
#pragma once

#include <QRect>

class QFont;

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int X(int units) const;
    int Y(int units) const;
    QSize Size(int width, int height) const { return { X(width), Y(height) }; }
    // A control placed at (left, top) with the given width and height, all in dialog units.
    QRect Rect(int left, int top, int width, int height) const;
    template <typename Control> QRect Rect(const Control& c) const
    {
        return Rect(c.left, c.top, c.width, c.height);
    }

private:
    int m_baseX;
    int m_baseY;
};
