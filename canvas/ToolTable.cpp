// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/ToolTable.h"

#include "canvas/BrushLikeTool.h"
#include "canvas/FillTool.h"
#include "canvas/MoveTool.h"
#include "canvas/SelectorTool.h"
#include "canvas/ShapeTool.h"
#include "resources/Resource.h"

#include <algorithm>
#include <vector>

namespace {

template <class T, class... Data> std::shared_ptr<const Tool> Make(Data... data)
{
    return std::make_shared<T>(data...);
}

using Shape = ShapeTool;

const std::vector<ToolEntry>& Entries()
{
    static const std::vector<ToolEntry> entries = {
        { ID_TOOL_BRUSH, Make<BrushLikeTool>(BrushLikeTool::Paint) },
        { ID_TOOL_ERASER, Make<BrushLikeTool>(BrushLikeTool::Erase) },
        { ID_TOOL_DARKEN, Make<BrushLikeTool>(BrushLikeTool::Darken) },
        { ID_TOOL_LIGHTEN, Make<BrushLikeTool>(BrushLikeTool::Lighten) },
        { ID_TOOL_LINE, Make<Shape>(Shape::LineBand, Shape::Between<&CIconView::DrawLine>) },
        { ID_TOOL_STRAIGHT_LINE_H,
            Make<Shape>(Shape::RowLineBand, Shape::Between<&CIconView::DrawRowLine>) },
        { ID_TOOL_STRAIGHT_LINE_V,
            Make<Shape>(Shape::ColumnLineBand, Shape::Between<&CIconView::DrawColumnLine>) },
        { ID_TOOL_RECTANGLE,
            Make<Shape>(Shape::RectangleBand, Shape::Boxed<&CIconView::DrawRectangle>) },
        { ID_TOOL_FILLED_RECTANGLE,
            Make<Shape>(Shape::RectangleBand, Shape::Boxed<&CIconView::DrawFilledRectangle>) },
        { ID_TOOL_ELLIPSE, Make<Shape>(Shape::EllipseBand, Shape::Boxed<&CIconView::DrawEllipse>) },
        { ID_TOOL_FILLED_ELLIPSE,
            Make<Shape>(Shape::EllipseBand, Shape::Boxed<&CIconView::DrawFilledEllipse>) },
        { ID_TOOL_SELECTOR, Make<SelectorTool>() },
        { ID_TOOL_FLOOD_FILL, Make<FillTool>() },
        { ID_MOVE_SELECTION, Make<MoveTool>() },
    };
    return entries;
}

} // namespace

std::span<const ToolEntry> ToolTable() { return Entries(); }

const Tool* FindTool(int id)
{
    const auto& entries = Entries();
    const auto found
        = std::ranges::find_if(entries, [id](const ToolEntry& entry) { return entry.id == id; });
    return found == entries.end() ? nullptr : found->tool.get();
}
