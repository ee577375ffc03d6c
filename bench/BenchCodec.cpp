// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the icon codec on a 3-image icon: encoding and writing a whole file into memory, and
// reading and decoding one back into the grids. Items are icons, so the reported rate is icons
// per second. The argument is the number of distinct colours per image: 255 fit the colour
// table exactly; 2304 (every cell of the 48 x 48 image different) overflows it, the writer's
// slowest case, since each colour past the table searches all 256 entries.
#include "document/IconDoc.h"
#include "framework/Archive.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <benchmark/benchmark.h>

namespace {

void Paint(CIconDoc& doc, int colours)
{
    for (int g = 0; g < kImageCount; ++g) {
        const int side = kImageSides[g];
        for (int x = 0; x < side; ++x) {
            for (int y = 0; y < side; ++y) {
                const int k = (x * side + y) % colours;
                // Distinct for k below 2^16; the transparent value cannot occur (blue 200).
                doc.m_pixels[g][x][y]
                    = (x + y) % 9 == 0 ? ICON_TRANSPARENT : RGB(k & 0xFF, k >> 8, 200);
            }
        }
    }
}

void BM_EncodeAndWriteIcon(benchmark::State& state)
{
    CIconDoc doc;
    Paint(doc, int(state.range(0)));
    for (auto _ : state) {
        CArchive ar;
        doc.m_iconFile.SaveIconFile(ar, doc.m_pixels[0], doc.m_pixels[1], doc.m_pixels[2]);
        benchmark::DoNotOptimize(ar.Buffer().data());
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_ReadAndDecodeIcon(benchmark::State& state)
{
    CIconDoc source;
    Paint(source, int(state.range(0)));
    CArchive written;
    source.Serialize(written);
    const Bytes bytes = written.Buffer();

    CIconDoc doc;
    for (auto _ : state) {
        CArchive ar(bytes);
        doc.m_iconFile.LoadIconFile(ar, doc.m_pixels[0], doc.m_pixels[1], doc.m_pixels[2]);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}

// The reference from Qt's own ICO plugin: the same three images as 32-bit pictures, one
// single-image icon each, since that writer takes one image per file.
void BM_QtIcoWriter(benchmark::State& state)
{
    if (!QImageWriter::supportedImageFormats().contains("ico")) {
        state.SkipWithError("Qt's ICO plugin is not installed");
        return;
    }
    CIconDoc doc;
    Paint(doc, int(state.range(0)));
    std::array<QImage, kImageCount> images;
    for (int g = 0; g < kImageCount; ++g) {
        const int side = kImageSides[g];
        images[g] = QImage(side, side, QImage::Format_ARGB32);
        for (int x = 0; x < side; ++x)
            for (int y = 0; y < side; ++y) {
                const COLORREF c = doc.m_pixels[g][x][y];
                images[g].setPixel(x, y,
                    c == ICON_TRANSPARENT ? 0 : qRgb(GetRValue(c), GetGValue(c), GetBValue(c)));
            }
    }
    for (auto _ : state) {
        for (const QImage& image : images) {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            QImageWriter writer(&buffer, "ico");
            writer.write(image);
            benchmark::DoNotOptimize(buffer.data().constData());
        }
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(BM_QtIcoWriter)->Arg(255);
BENCHMARK(BM_EncodeAndWriteIcon)->Arg(255)->Arg(2304);
BENCHMARK(BM_ReadAndDecodeIcon)->Arg(255)->Arg(2304);
