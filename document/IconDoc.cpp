// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/IconDoc.h"

#include "framework/Archive.h"

CIconDoc::CIconDoc()
{
    for (auto& grid : m_pixels)
        FillGrid(grid, ICON_TRANSPARENT);
}

void CIconDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        m_iconFile.SaveIconFile(ar, m_pixels[0], m_pixels[1], m_pixels[2]);
    } else {
        m_iconFile.LoadIconFile(ar, m_pixels[0], m_pixels[1], m_pixels[2]);
        m_bHasContent = true;
    }
}

bool CIconDoc::IsAnyImageDrawn() const
{
    for (int i = 0; i < kImageCount; ++i)
        if (IsImageDrawn(m_pixels[i], kImageSides[i]))
            return true;
    return false;
}

bool CIconDoc::OnSaveDocument(const QString& path)
{
    if (!IsAnyImageDrawn()) {
        ShowNothingDrawnMessage();
        return false;
    }
    return CDocument::OnSaveDocument(path);
}
