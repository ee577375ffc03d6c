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

void CIconView::OnEditUndo()
{
    const std::size_t s = std::size_t(m_nSize);
    ChangeList& undo = m_undo[s];
    ChangeList& redo = m_redo[s];
    if (undo.IsEmpty())
        return;
    DiscardChanges(redo);
    const RecordingScope recording(redo);
    const auto& grid = GetDocument()->m_pixels[s];
    // A copy: PaintPixel notes into the undo list while recording happens to be on.
    const std::vector<PixelChange> entries = undo.Entries();
    for (const PixelChange& change : entries) {
        RecordChange(redo, change.x, change.y, grid[std::size_t(change.x)][std::size_t(change.y)]);
        PaintPixel(change.x, change.y, change.colour);
    }
    DiscardChanges(undo);
}

void CIconView::OnEditRedo()
{
    const std::size_t s = std::size_t(m_nSize);
    ChangeList& undo = m_undo[s];
    ChangeList& redo = m_redo[s];
    if (redo.IsEmpty())
        return;
    DiscardChanges(undo);
    const RecordingScope recording(undo);
    const std::vector<PixelChange> entries = redo.Entries();
    for (const PixelChange& change : entries) {
        PaintPixel(change.x, change.y, change.colour);
        // Adds the entry's own colour for a pixel the selection kept PaintPixel from noting.
        RecordChange(undo, change.x, change.y, change.colour);
    }
    DiscardChanges(redo);
}

void CIconView::OnUpdateEditUndo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_undo[std::size_t(m_nSize)].IsEmpty());
}

void CIconView::OnUpdateEditRedo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_redo[std::size_t(m_nSize)].IsEmpty());
}
