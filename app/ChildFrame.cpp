// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ChildFrame.h"

#include "state/CellSize.h"

#include <QMenu>
#include <QStyle>

CChildFrame::CChildFrame()
{
    setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint);
    // Its icon is the program's, which every window without one of its own shows.
    // The system menu offers what the frame allows: restore, move, minimize and close.
    for (QAction* action : systemMenu()->actions())
        if (action->text().contains(QLatin1String("Size"))
            || action->text().contains(QLatin1String("Stay on")))
            systemMenu()->removeAction(action);
}

CRect CChildFrame::FrameRect(int canvas, int edge, int caption)
{
    return { 5, 5, 5 + canvas + 2 * edge + 72, 5 + canvas + caption + edge + 17 };
}

CRect CChildFrame::CalcFrameRect(const CRect&)
{
    // Our window frame's metrics stand for the system's edge and caption heights; they are
    // read each time a frame is created.
    const int edge = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
    const int caption = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    const CRect rect = FrameRect(32 * cellSize[1], edge, caption);
    setFixedSize(rect.Width(), rect.Height());
    return rect;
}
