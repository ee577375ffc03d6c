// SPDX-License-Identifier: GPL-3.0-or-later
// The saving half of CIconFile. It stands apart from the reading half because it tells the user
// when nothing is drawn through a message box, which needs QtCore; the reading half, and the
// image codec under both, need the standard library alone.
#include "document/ByteWriter.h"
#include "document/IconFile.h"
#include "framework/Archive.h"
#include "framework/MessageBox.h"

void ShowNothingDrawnMessage()
{
    messageBoxes().MessageBox(
        QStringLiteral("You have not drawn any icons\nThe icon file will not be written."),
        QStringLiteral("Error"), MB_OK | MB_ICONSTOP);
}

bool CIconFile::SaveIconFile(
    CArchive& ar, const IconGrid& grid16, const IconGrid& grid32, const IconGrid& grid48)
{
    const std::array<const IconGrid*, kImageCount> grids = { &grid16, &grid32, &grid48 };
    std::array<bool, kImageCount> drawn {};
    std::uint16_t n = 0;
    for (int i = 0; i < kImageCount; ++i) {
        drawn[i] = IsImageDrawn(*grids[i], kImageSides[i]);
        n += drawn[i] ? 1 : 0;
    }
    if (n == 0) {
        ShowNothingDrawnMessage();
        return false;
    }

    m_header = IconDirHeader { 0, 1, n };
    std::uint32_t offset = IconDirectoryBytes(n);
    for (int i = 0; i < kImageCount; ++i) {
        if (!drawn[i])
            continue;
        const auto side = std::uint8_t(kImageSides[i]);
        m_entries[i]
            = IconDirEntry { side, side, 0, 0, 0, 0, m_images[i].GetResourceSize(), offset };
        offset += m_entries[i].dwBytesInRes;
    }

    // The last offset is the file's length: the whole file is written in place into the
    // archive, with no buffer of its own and no copy.
    std::uint8_t* const start = ar.WriteInPlace(offset);
    ByteWriter out(start);
    out.Word(m_header.idReserved);
    out.Word(m_header.idType);
    out.Word(m_header.idCount);
    for (int i = 0; i < kImageCount; ++i)
        if (drawn[i])
            m_entries[i].Write(out);
    for (int i = 0; i < kImageCount; ++i) {
        if (!drawn[i])
            continue;
        m_images[i].Encode(*grids[i]);
        m_images[i].WriteImage(out);
    }
    Q_ASSERT(out.Position() == start + offset);
    return true;
}
