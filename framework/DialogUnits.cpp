// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/DialogUnits.h"

#include <QFont>
#include <QFontMetrics>

#include <algorithm>

namespace {
// Rounded a * b / c, as the window system scales dialog units.
int MulDiv(int a, int b, int c) { return int((static_cast<long long>(a) * b + c / 2) / c); }
}

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int alphabetWidth = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_baseX = std::max(1, (alphabetWidth / 26 + 1) / 2);
    m_baseY = std::max(1, metrics.height());
}

int DialogUnits::X(int units) const { return MulDiv(units, m_baseX, 4); }
int DialogUnits::Y(int units) const { return MulDiv(units, m_baseY, 8); }

QRect DialogUnits::Rect(int left, int top, int width, int height) const
{
    // Edges are scaled, not sizes, so neighbouring controls keep meeting where they met.
    const int x = X(left);
    const int y = Y(top);
    return { x, y, X(left + width) - x, Y(top + height) - y };
}
