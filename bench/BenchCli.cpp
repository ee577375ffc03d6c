// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of pixmora-cli's two heavy paths, in process and without file I/O: import of a modern
// icon (one 256 x 256 PNG-compressed entry, decoded, reduced to the three sizes, colours
// reduced, written), and create --from (a 512 x 512 picture to the three sizes, colours
// reduced, written). Items are icons.
#include "cli/ColourReduction.h"
#include "cli/GridImage.h"
#include "cli/IconImport.h"
#include "cli/ImageScaling.h"
#include "document/ByteWriter.h"
#include "document/IconDoc.h"
#include "framework/Archive.h"

#include <benchmark/benchmark.h>

namespace {

// Smooth in both directions with a transparent corner: every pixel a colour of its own.
QImage Logo(int side)
{
    QImage image(side, side, QImage::Format_ARGB32);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            image.setPixel(x, y,
                x + y < side / 4 ? qRgba(0, 0, 0, 0)
                                 : qRgba(x * 255 / side, y * 255 / side, 128, 255));
    return image;
}

QByteArray PngIcon(const QImage& image)
{
    const QByteArray png = EncodePng(image);
    QByteArray file(int(IconDirectoryBytes(1)), '\0');
    ByteWriter out(reinterpret_cast<std::uint8_t*>(file.data()));
    for (std::uint16_t word : { 0, 1, 1 })
        out.Word(word);
    IconDirEntry entry { 0, 0, 0, 0, 1, 32, std::uint32_t(png.size()), IconDirectoryBytes(1) };
    entry.Write(out);
    return file + png;
}

QByteArray ReduceAndWrite(CIconDoc& doc)
{
    for (int i = 0; i < kImageCount; ++i)
        ReduceColours(doc.m_pixels[i], kImageSides[i], false);
    CArchive ar;
    doc.Serialize(ar);
    return ToQByteArray(ar.Buffer());
}

void BM_ImportPngIcon(benchmark::State& state)
{
    const QByteArray icon = PngIcon(Logo(256));
    for (auto _ : state) {
        const auto chosen = ChooseImportImages(ListIconPictures(icon));
        CIconDoc doc;
        for (int i = 0; i < kImageCount; ++i)
            ImageToGrid(chosen[std::size_t(i)].image, doc.m_pixels[i]);
        benchmark::DoNotOptimize(ReduceAndWrite(doc).constData());
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_CreateFromLargeImage(benchmark::State& state)
{
    const QImage logo = Logo(512);
    for (auto _ : state) {
        CIconDoc doc;
        for (int i = 0; i < kImageCount; ++i)
            ImageToGrid(FitToSquare(logo, kImageSides[i]), doc.m_pixels[i]);
        benchmark::DoNotOptimize(ReduceAndWrite(doc).constData());
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(BM_ImportPngIcon)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CreateFromLargeImage)->Unit(benchmark::kMillisecond);
