// SPDX-License-Identifier: GPL-3.0-or-later
// Colour adjustments of the whole active image and the curved-edge frame. The adjustments
// shift every painted cell by a signed amount per channel, the amount taken from a strength
// preference when the command runs; the frame draws a black border whose corners stay
// transparent, which makes the icon's corners look rounded.
#include "canvas/IconView.h"

#include "framework/Platform.h"
#include "state/BrushStrengths.h"

#include <algorithm>

namespace {

// Read at every command, so a change in the preferences dialog acts on the next one.
int LighterDarkerAmount() { return CommandAmount(brushStrengths.colorBrushStrength); }
int SingleColourAmount() { return CommandAmount(brushStrengths.colorCommandStrength); }

// Offsets beyond a channel's range saturate it anyway; holding them there keeps the channel
// sums from overflowing whatever a caller passes.
int ChannelOffset(int delta) { return std::clamp(delta, -255, 255); }

} // namespace

void CIconView::AdjustColours(int dRed, int dGreen, int dBlue)
{
    CWaitCursor wait;
    const int n = Side();
    // ShadePixel skips transparent cells and writes every painted one, changed or not.
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y)
            ShadePixel(x, y, ChannelOffset(dRed), ChannelOffset(dGreen), ChannelOffset(dBlue));
}

void CIconView::OnImageLighter()
{
    const int v = LighterDarkerAmount();
    AdjustColours(v, v, v);
}

void CIconView::OnImageDarker()
{
    const int v = LighterDarkerAmount();
    AdjustColours(-v, -v, -v);
}

void CIconView::OnImageAddRed() { AdjustColours(SingleColourAmount(), 0, 0); }

void CIconView::OnImageAddGreen() { AdjustColours(0, SingleColourAmount(), 0); }

void CIconView::OnImageAddBlue() { AdjustColours(0, 0, SingleColourAmount()); }

void CIconView::OnImageRemoveRed() { AdjustColours(-SingleColourAmount(), 0, 0); }

void CIconView::OnImageRemoveGreen() { AdjustColours(0, -SingleColourAmount(), 0); }

void CIconView::OnImageRemoveBlue() { AdjustColours(0, 0, -SingleColourAmount()); }

void CIconView::OnActionsCurvedFrame()
{
    const int n = Side();
    DrawRasterFigure(CRect(0, 0, n, n), false, false, RGB(0, 0, 0));
    for (const CPoint corner :
        { CPoint(0, 0), CPoint(n - 1, 0), CPoint(n - 1, n - 1), CPoint(0, n - 1) })
        PaintPixel(corner.x, corner.y, ICON_TRANSPARENT);
}
