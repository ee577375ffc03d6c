// SPDX-License-Identifier: GPL-3.0-or-later
// CIconDoc: one open icon file, three square images of 16, 32 and 48 pixels.
#pragma once

#include "document/IconFile.h"
#include "document/IconTypes.h"
#include "framework/Document.h"

class CIconDoc : public CDocument {
public:
    CIconDoc();

    void Serialize(CArchive& ar) override;
    // Refuses, with its message, to save a document in which nothing is drawn; the check runs
    // before the target file is touched. Saving over the file the document was read from,
    // when that file held images the reader skipped, first asks whether to replace them.
    bool OnSaveDocument(const QString& path) override;
    // Tells the user when the file held images this document cannot show and a save over it
    // would drop.
    void OnOpenedInWindow() override;

    // True when at least one of the three images holds a painted cell.
    bool IsAnyImageDrawn() const;

    CIconFile m_iconFile;
    // Set once a file has been loaded or a pixel painted; never cleared.
    bool m_bHasContent = false;
    // [size index][x][y]
    std::array<IconGrid, kImageCount> m_pixels;
};
