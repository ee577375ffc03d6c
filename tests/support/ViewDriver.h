// SPDX-License-Identifier: GPL-3.0-or-later
// Drives a CIconView with real Qt mouse events and reads what it shows.
#pragma once

#include "framework/Types.h"

#include <QImage>
#include <Qt>

class CIconView;

class ViewDriver {
public:
    explicit ViewDriver(CIconView* view);

    // Runs pending paints until the view has nothing left to draw.
    void Paint();
    // The client point at the centre of cell (x, y) of the active image.
    CPoint CellCentre(int x, int y) const;

    void Press(CPoint p, Qt::KeyboardModifiers mods = Qt::NoModifier);
    void Move(CPoint p, Qt::MouseButtons buttons = Qt::LeftButton,
        Qt::KeyboardModifiers mods = Qt::NoModifier);
    void Release(CPoint p, Qt::KeyboardModifiers mods = Qt::NoModifier);
    // Press on cell a, one movement message per further cell, release on the last.
    void Drag(std::initializer_list<CPoint> cells, Qt::KeyboardModifiers mods = Qt::NoModifier);

    COLORREF Screen(int x, int y);
    COLORREF Cell(int x, int y) const;

private:
    CIconView* m_view;
};
