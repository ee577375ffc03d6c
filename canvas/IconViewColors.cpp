// SPDX-License-Identifier: GPL-3.0-or-later
// Colour adjustments of the whole active image and the curved-edge frame. The adjustments
// shift every painted cell by a signed amount per channel, the amount taken from a strength
// preference when the command runs; the frame draws a black border whose corners stay
// transparent, which makes the icon's corners look rounded.
#include "canvas/IconView.h"

#include "canvas/PaintPixelWriter.h"
#include "editing/ChannelShift.h"
#include "editing/Figures.h"
#include "framework/Platform.h"
#include "state/BrushStrengths.h"

namespace {

// Read at every command, so a change in the preferences dialog acts on the next one.
int LighterDarkerAmount() { return CommandAmount(brushStrengths.colorBrushStrength); }
int SingleColourAmount() { return CommandAmount(brushStrengths.colorCommandStrength); }

} // namespace

void CIconView::AdjustColours(int dRed, int dGreen, int dBlue)
{
    const IconGrid* grid = ActiveGrid(*this);
    if (!grid)
        return;
    CWaitCursor wait;
    PaintPixelWriter out(*this);
    editing::AdjustColours(*grid, Side(), { dRed, dGreen, dBlue }, out);
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
    if (const IconGrid* grid = ActiveGrid(*this)) {
        PaintPixelWriter out(*this);
        editing::DrawCurvedFrame(*grid, Side(), out);
    }
}
