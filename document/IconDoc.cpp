// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/IconDoc.h"

#include "framework/Archive.h"
#include "framework/Platform.h"

#include <QFileInfo>

namespace {

bool IsSameFile(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QFileInfo first(a), second(b);
    if (first.exists() && second.exists())
        return first.canonicalFilePath() == second.canonicalFilePath();
    return first.absoluteFilePath() == second.absoluteFilePath();
}

const QString kSavingReplacesThem
    = QStringLiteral("Saving replaces them with the 16, 32 and 48 pixel images shown here.");

} // namespace

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

bool CIconDoc::IsAnyImageDrawn() const { return ::IsAnyImageDrawn(m_pixels); }

bool CIconDoc::OnSaveDocument(const QString& path)
{
    if (!IsAnyImageDrawn()) {
        ShowNothingDrawnMessage();
        return false;
    }
    const QString skipped = QString::fromStdString(m_iconFile.SkippedImagesText());
    if (!skipped.isEmpty() && IsSameFile(path, GetPathName())) {
        const QString question
            = QStringLiteral("%1 also holds images Pixmora cannot edit (%2). %3\nSave anyway?")
                  .arg(QFileInfo(path).fileName(), skipped, kSavingReplacesThem);
        if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES)
            return false;
    }
    if (!CDocument::OnSaveDocument(path))
        return false;
    // The document's file, this one or the new one of a Save As, now holds only what is shown.
    m_iconFile.m_skippedImages.clear();
    return true;
}

void CIconDoc::OnOpenedInWindow()
{
    const QString skipped = QString::fromStdString(m_iconFile.SkippedImagesText());
    if (skipped.isEmpty())
        return;
    AfxMessageBox(QStringLiteral("This file also holds images Pixmora cannot edit (%1). %2")
                      .arg(skipped, kSavingReplacesThem),
        MB_OK | MB_ICONINFORMATION);
}
