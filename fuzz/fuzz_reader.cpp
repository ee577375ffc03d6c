// libFuzzer entry: any byte string is opened as an icon file the way the editor opens one.
// A damaged file must end in the archive's clean failure, never in a crash, hang or leak.
#include "document/IconDoc.h"
#include "framework/Archive.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CIconDoc doc;
    try {
        CArchive ar(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
        doc.Serialize(ar);
    } catch (const CArchiveException&) {
        return 0;
    }
    // Cells outside each image must stay transparent whatever the file held.
    for (int g = 0; g < kImageCount; ++g)
        for (int x = 0; x < kMaxSide; ++x)
            for (int y = 0; y < kMaxSide; ++y)
                if ((x >= kImageSides[g] || y >= kImageSides[g])
                    && doc.m_pixels[g][x][y] != ICON_TRANSPARENT)
                    __builtin_trap();
    return 0;
}
