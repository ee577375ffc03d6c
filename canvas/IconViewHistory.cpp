// SPDX-License-Identifier: GPL-3.0-or-later
// One level of undo and redo per image size: a step holds each pixel's value from before the
// step first touched it.
#include "canvas/IconView.h"

#include "document/IconDoc.h"

void CIconView::BeginStep()
{
    const std::size_t s = std::size_t(m_nSize);
    m_undo[s].recording = 1;
    DiscardChanges(m_undo[s]);
    DiscardChanges(m_redo[s]);
}

namespace {

// Moves the step in `from` over to `to`: each entry is painted back while `to` records, with
// paintEntry saying what else the direction notes for it; then `from` is emptied.
template <typename PaintEntry> void Replay(ChangeList& from, ChangeList& to, PaintEntry paintEntry)
{
    if (from.IsEmpty())
        return;
    DiscardChanges(to);
    const RecordingScope recording(to);
    // A copy: PaintPixel notes into the undo list while recording happens to be on.
    const std::vector<PixelChange> entries = from.Entries();
    for (const PixelChange& change : entries)
        paintEntry(change);
    DiscardChanges(from);
}

} // namespace

void CIconView::OnEditUndo()
{
    const std::size_t s = std::size_t(m_nSize);
    ChangeList& redo = m_redo[s];
    const CIconDoc* doc = GetDocument();
    if (!doc)
        return;
    const auto& grid = doc->m_pixels[s];
    Replay(m_undo[s], redo, [this, &redo, &grid](const PixelChange& change) {
        RecordChange(redo, change.x, change.y, grid[std::size_t(change.x)][std::size_t(change.y)]);
        PaintPixel(change.x, change.y, change.colour);
    });
}

void CIconView::OnEditRedo()
{
    const std::size_t s = std::size_t(m_nSize);
    ChangeList& undo = m_undo[s];
    Replay(m_redo[s], undo, [this, &undo](const PixelChange& change) {
        PaintPixel(change.x, change.y, change.colour);
        // Adds the entry's own colour for a pixel the selection kept PaintPixel from noting.
        RecordChange(undo, change.x, change.y, change.colour);
    });
}

void CIconView::OnUpdateEditUndo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_undo[std::size_t(m_nSize)].IsEmpty());
}

void CIconView::OnUpdateEditRedo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_redo[std::size_t(m_nSize)].IsEmpty());
}
