// SPDX-License-Identifier: GPL-3.0-or-later
// pixmora-cli as scripts use it, through the real program: import of icons other programs
// write, the colour limit and its reduction, JSON, several files, pipes, and the inputs and
// outputs it must refuse. The plain functions underneath are checked pixel by pixel.
#include "cli/ColourReduction.h"
#include "cli/GridImage.h"
#include "cli/IconEntryImage.h"
#include "cli/IconImport.h"
#include "cli/IconListing.h"
#include "cli/ImageScaling.h"
#include "support/IcoBuilder.h"
#include "support/ProgramRun.h"
#include "support/ScriptedPlatform.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>

namespace {

// The image once at each bitmap depth a decoder has to read.
std::vector<ForeignImage> AtEveryBitmapDepth(ForeignImage image)
{
    std::vector<ForeignImage> images;
    for (int bits : { 1, 4, 8, 24, 32 }) {
        image.bits = bits;
        images.push_back(image);
    }
    return images;
}

ProgramRun Cli(const QStringList& args, const QByteArray& input = {})
{
    return RunProgram(QStringLiteral(PIXMORA_CLI_PATH), args, input);
}

// A picture with a distinct colour in every pixel (a smooth two-way gradient), transparent
// where transparentEvery divides x + y.
QImage Gradient(int width, int height, int transparentEvery = 0)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y,
                transparentEvery && (x + y) % transparentEvery == 0
                    ? qRgba(0, 0, 0, 0)
                    : qRgb(40 + x * 200 / width, 30 + y * 200 / height, 90 + (x + y) % 7));
    return image;
}

// A picture of exactly colours colours, none black, plus transparent holes.
QImage FewColours(int side, int colours)
{
    QImage image(side, side, QImage::Format_ARGB32);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            image.setPixel(x, y,
                (x * 3 + y) % 11 == 0 ? qRgba(0, 0, 0, 0)
                                      : qRgb(20 + (x + y) % colours * 2, 200, 100));
    return image;
}

std::set<COLORREF> GridColours(const IconGrid& grid, int side)
{
    std::set<COLORREF> colours;
    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y)
            if (grid[x][y] != ICON_TRANSPARENT)
                colours.insert(grid[x][y]);
    return colours;
}

// The grid must show image exactly: alpha below 128 transparent, any other its colour.
void ExpectShows(const IconGrid& grid, const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int x = 0; x < argb.width(); ++x) {
        for (int y = 0; y < argb.height(); ++y) {
            const QRgb p = argb.pixel(x, y);
            ASSERT_EQ(
                grid[x][y], qAlpha(p) < 128 ? ICON_TRANSPARENT : RGB(qRed(p), qGreen(p), qBlue(p)))
                << argb.width() << " at " << x << "," << y;
        }
    }
}

// The three grids of the icon at path as the editor opens it.
std::array<IconGrid, kImageCount> OpenInEditor(const QString& path)
{
    ScopedScriptedPlatform platform;
    CIconDoc doc;
    EXPECT_TRUE(doc.OnOpenDocument(path)) << path.toStdString();
    return doc.m_pixels;
}

QString Save(const QTemporaryDir& dir, const QString& name, const QImage& image)
{
    const QString path = dir.filePath(name);
    EXPECT_TRUE(image.save(path)) << name.toStdString();
    return path;
}

// An icon holding one 256 x 256 PNG-compressed entry of the given number of colours, made by
// icotool; empty when icotool fails.
QString PngCompressedIcon(const QTemporaryDir& dir, const QString& name, int colours)
{
    const QString big = Save(dir, name + QStringLiteral(".png"), FewColours(256, colours));
    const QString icon = dir.filePath(name);
    const ProgramRun run = RunProgram(QStringLiteral("icotool"),
        { QStringLiteral("-c"), QStringLiteral("-r"), big, QStringLiteral("-o"), icon });
    return run.code == 0 ? icon : QString();
}

} // namespace

TEST(CliColours, TheLimitIsTheWritersBlackAndTwoHundredFiftyFiveOthers)
{
    IconGrid grid;
    FillGrid(grid, ICON_TRANSPARENT);
    // 255 colours besides black fit exactly, with or without black painted.
    for (int k = 0; k < 255; ++k)
        grid[k % 48][k / 48] = RGB(k, 1, 200);
    EXPECT_EQ(CheckColourFit(grid, 48).lostPixels, 0);
    grid[40][40] = RGB(0, 0, 0);
    EXPECT_EQ(CheckColourFit(grid, 48).colours, 256);
    EXPECT_EQ(CheckColourFit(grid, 48).lostPixels, 0);
    // One more colour, in three cells: those three, scanned last, would turn black.
    for (int y : { 45, 46, 47 })
        grid[47][y] = RGB(9, 9, 9);
    EXPECT_EQ(CheckColourFit(grid, 48).colours, 257);
    EXPECT_EQ(CheckColourFit(grid, 48).lostPixels, 3);
    // Only the cells inside the image's side count.
    EXPECT_EQ(CheckColourFit(grid, 32).lostPixels, 0);
}

TEST(CliColours, ReductionFitsKeepsTransparencyAndIsDeterministic)
{
    IconGrid original;
    ImageToGrid(Gradient(48, 48, 5), original);
    original[10][10] = RGB(1, 2, 4); // a neighbour of the transparent value
    for (bool dither : { false, true }) {
        SCOPED_TRACE(dither);
        IconGrid grid = original;
        const ColourReduction r = ReduceColours(grid, 48, dither);
        EXPECT_GT(r.coloursBefore, 256);
        EXPECT_LE(r.coloursAfter, 256);
        EXPECT_EQ(CheckColourFit(grid, 48).lostPixels, 0);
        EXPECT_LT(r.meanError, 6.0) << "a smooth gradient reduces with little error";
        for (int x = 0; x < 48; ++x)
            for (int y = 0; y < 48; ++y)
                ASSERT_EQ(grid[x][y] == ICON_TRANSPARENT, original[x][y] == ICON_TRANSPARENT)
                    << x << "," << y;
        IconGrid again = original;
        ReduceColours(again, 48, dither);
        EXPECT_EQ(again, grid);
    }
    IconGrid few;
    ImageToGrid(FewColours(48, 100), few);
    const IconGrid before = few;
    EXPECT_EQ(ReduceColours(few, 48, true).meanError, 0.0);
    EXPECT_EQ(few, before) << "an image that fits is left alone";
}

TEST(CliScaling, AreaAveragingIsExactAndPremultiplied)
{
    // 2 x 2 blocks of four colours reduce to exactly those colours.
    QImage blocks(4, 4, QImage::Format_ARGB32);
    const QRgb colours[4] = { qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(9, 99, 199) };
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            blocks.setPixel(x, y, colours[(y / 2) * 2 + x / 2]);
    const QImage half = ScaleImage(blocks, 2, 2);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(half.pixel(k % 2, k / 2), colours[k]) << k;

    // A transparent white pixel lends no colour: opaque black beside it stays black.
    QImage pair(2, 1, QImage::Format_ARGB32);
    pair.setPixel(0, 0, qRgba(255, 255, 255, 0));
    pair.setPixel(1, 0, qRgba(0, 0, 0, 255));
    EXPECT_EQ(ScaleImage(pair, 1, 1).pixel(0, 0), qRgba(0, 0, 0, 128));

    // A third of a pixel's share: 3 source pixels onto 2 split the middle one.
    QImage row(3, 1, QImage::Format_ARGB32);
    row.setPixel(0, 0, qRgb(0, 0, 0));
    row.setPixel(1, 0, qRgb(150, 150, 150));
    row.setPixel(2, 0, qRgb(255, 255, 255));
    const QImage two = ScaleImage(row, 2, 1);
    EXPECT_EQ(two.pixel(0, 0), qRgb(50, 50, 50));
    EXPECT_EQ(two.pixel(1, 0), qRgb(220, 220, 220));

    // A wide picture is centred in the square between transparent bands.
    const QImage fitted = FitToSquare(Gradient(64, 32), 16);
    ASSERT_EQ(fitted.size(), QSize(16, 16));
    EXPECT_EQ(qAlpha(fitted.pixel(8, 3)), 0);
    EXPECT_EQ(qAlpha(fitted.pixel(8, 4)), 255);
    EXPECT_EQ(qAlpha(fitted.pixel(8, 11)), 255);
    EXPECT_EQ(qAlpha(fitted.pixel(8, 12)), 0);
}

TEST(CliImport, EveryBitmapDepthDecodesWithItsMaskOrAlpha)
{
    ForeignImage sample;
    sample.entryWidth = sample.headerWidth = 16;
    sample.palette = { RGB(10, 20, 30), RGB(200, 100, 50) };
    sample.index = [](int x, int y) { return (x * y) % 2; };
    sample.transparent = [](int x, int y) { return x == y; };
    const std::vector<ForeignImage> images = AtEveryBitmapDepth(sample);
    const QByteArray file = BuildIcon({ 1, images });
    for (std::size_t e = 0; e < images.size(); ++e) {
        const int bits = images[e].bits;
        SCOPED_TRACE(bits);
        const int at = 6 + 16 * int(e);
        QByteArray bytes = file.mid(GetDWord(file, at + 12), GetDWord(file, at + 8));
        if (bits == 32) // an older writer: no alpha at all, the mask decides
            for (int p = 0; p < 256; ++p)
                bytes[40 + p * 4 + 3] = 0;
        const QImage decoded = DecodeIconEntry(bytes);
        ASSERT_EQ(decoded.size(), QSize(16, 16));
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const COLORREF c = images[e].palette[std::size_t((x * y) % 2)];
                const QRgb expected
                    = x == y ? qRgba(0, 0, 0, 0) : qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
                ASSERT_EQ(decoded.pixel(x, y), expected) << x << "," << y;
            }
        }
        // Cut inside the pixels, the entry is refused rather than read past its end.
        EXPECT_TRUE(DecodeIconEntry(bytes.left(60)).isNull());
    }
    // With an alpha channel, alpha rules and the mask is ignored.
    const int at = 6 + 16 * 4;
    QByteArray alpha = file.mid(GetDWord(file, at + 12), GetDWord(file, at + 8));
    alpha[40 + (15 * 16 + 3) * 4 + 3] = char(0x40); // row 15 from the bottom is y 0; x 3
    const QImage decoded = DecodeIconEntry(alpha);
    EXPECT_EQ(qAlpha(decoded.pixel(3, 0)), 0x40);
    EXPECT_EQ(qAlpha(decoded.pixel(5, 5)), 255);
}

// info tells whether a bitmap entry imports without decoding it, so what it reads from the
// header must be exactly what decoding makes of it: every depth, cut anywhere, and with
// random header bytes changed.
TEST(CliImport, ABitmapEntrysSizeIsTheSizeOfWhatItDecodesInto)
{
    ForeignImage sample;
    sample.entryWidth = sample.headerWidth = 32;
    const std::vector<ForeignImage> images = AtEveryBitmapDepth(sample);
    const QByteArray file = BuildIcon({ 1, images });
    QRandomGenerator random(7);
    int decodable = 0;
    for (std::size_t e = 0; e < images.size(); ++e) {
        const int at = 6 + 16 * int(e);
        const QByteArray entry = file.mid(GetDWord(file, at + 12), GetDWord(file, at + 8));
        for (int round = 0; round < 300; ++round) {
            QByteArray bytes
                = round < 100 ? entry.left(random.bounded(int(entry.size()) + 1)) : entry;
            if (round >= 100)
                for (int change = 0; change < 3; ++change)
                    bytes[random.bounded(40)] = char(random.bounded(256));
            const QSize decoded = DecodeIconEntry(bytes).size();
            ASSERT_EQ(BitmapPictureSize(bytes), decoded) << images[e].bits << " round " << round;
            ASSERT_EQ(DecodedPictureSize(bytes), decoded);
            decodable += !decoded.isEmpty();
        }
    }
    EXPECT_GT(decodable, 50); // the rounds did not all break the entries
}

TEST(CliImport, ADirectoryRepeatingOneLargePictureIsDecodedWithinABudget)
{
    QImage large(1024, 1024, QImage::Format_ARGB32);
    large.fill(qRgb(10, 200, 30));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(large.save(&buffer, "PNG"));
    constexpr int kEntries = 2000;
    QByteArray file = QByteArrayLiteral("\0\0\1\0") + QByteArray(2 + 16 * kEntries, '\0');
    PutWord(file, 4, kEntries);
    for (int e = 0; e < kEntries; ++e) {
        PutDWord(file, 6 + 16 * e + 8, std::uint32_t(png.size()));
        PutDWord(file, 6 + 16 * e + 12, std::uint32_t(file.size()));
    }
    file += png;
    const ListedPictures listed = ListIconPictures(file);
    const IconListing& listing = listed.listing;
    ASSERT_EQ(listing.entries.size(), std::size_t(kEntries));
    EXPECT_EQ(listing.entries.front().decoded, QSize(1024, 1024));
    EXPECT_EQ(listed.pictures.at(1).size(), QSize(1024, 1024));
    EXPECT_TRUE(listing.entries.back().decoded.isEmpty());
    EXPECT_EQ(listed.pictures.count(kEntries), 0u);
    EXPECT_EQ(listing.entries.back().png->width, 1024) << "still listed, only not decoded";
}

TEST(CliImport, IconsOfOtherProgramsOpenInTheEditorWithAllThreeImages)
{
    QTemporaryDir dir;
    // Up to 255 colours per image and transparent holes: other programs write these 32-bit.
    QStringList pictures;
    for (int side : kImageSides)
        pictures << Save(dir, QStringLiteral("p%1.png").arg(side), FewColours(side, 120));
    // icotool picks the smallest depth unless told; ImageMagick writes 32 bits with alpha.
    struct Source {
        QString program;
        QStringList args;
        const char* depth;
    };
    const QString made = dir.filePath(QStringLiteral("made.ico"));
    const std::vector<Source> sources = {
        { QStringLiteral("icotool"),
            QStringList { QStringLiteral("-c"), QStringLiteral("-o"), made } + pictures, "" },
        { QStringLiteral("icotool"),
            QStringList { QStringLiteral("-c"), QStringLiteral("-b"), QStringLiteral("32"),
                QStringLiteral("-o"), made }
                + pictures,
            ", 32-bit" },
        { QStringLiteral("convert"), pictures + QStringList { made }, ", 32-bit" },
    };
    for (const Source& source : sources) {
        SCOPED_TRACE(source.args.join(u' ').toStdString());
        ASSERT_EQ(RunProgram(source.program, source.args).code, 0);
        const QString out = dir.filePath(QStringLiteral("ours.ico"));
        const ProgramRun run = Cli({ QStringLiteral("import"), made, out });
        ASSERT_EQ(run.code, 0) << run.err.toStdString();
        for (int i = 0; i < kImageCount; ++i) {
            const QByteArray from = QStringLiteral("%1x%1 from entry %2 (%1x%1")
                                        .arg(kImageSides[i])
                                        .arg(i + 1)
                                        .toUtf8();
            EXPECT_TRUE(run.out.contains(from + source.depth)) << run.out.data();
        }
        const auto grids = OpenInEditor(out);
        for (int i = 0; i < kImageCount; ++i)
            ExpectShows(grids[i], QImage(pictures[i]));
    }

    // A 256-pixel PNG-compressed entry alone: all three sizes come from it, reduced.
    const QString png = PngCompressedIcon(dir, QStringLiteral("png.ico"), 60);
    ASSERT_FALSE(png.isEmpty());
    const QString out = dir.filePath(QStringLiteral("from-png.ico"));
    const ProgramRun run = Cli({ QStringLiteral("import"), QStringLiteral("--reduce"), png, out });
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("32x32 from entry 1 (png 256x256, 32-bit, downscaled)"))
        << run.out.data();
    const auto doc = OpenInEditor(out);
    for (int i = 0; i < kImageCount; ++i)
        EXPECT_TRUE(IsImageDrawn(doc[i], kImageSides[i])) << kImageSides[i];

    const QString text = dir.filePath(QStringLiteral("png-named.ico"));
    ASSERT_TRUE(QFile::copy(Save(dir, QStringLiteral("t.png"), FewColours(16, 3)), text));
    EXPECT_EQ(Cli({ QStringLiteral("import"), text, out }).code, 1) << "a PNG is no icon";
}

TEST(CliCreate, TooManyColoursAreRefusedUnlessReduced)
{
    QTemporaryDir dir;
    const QString photo = Save(dir, QStringLiteral("photo.png"), Gradient(48, 48));
    const QString out = dir.filePath(QStringLiteral("out.ico"));
    ASSERT_TRUE(WriteFile(out, QByteArrayLiteral("old")));

    const ProgramRun refused = Cli({ QStringLiteral("create"), out, photo });
    EXPECT_EQ(refused.code, 3);
    // 2304 colours, none black: the table keeps black and the first 255 scanned.
    EXPECT_EQ(refused.err,
        QStringLiteral("pixmora-cli: %1: the 48x48 image has 2305 colours (black included) where "
                       "an icon image holds 256: 2049 of 2304 pixels would turn black; nothing "
                       "written (--reduce reduces the colours)\n")
            .arg(photo));
    EXPECT_TRUE(refused.out.isEmpty());
    EXPECT_EQ(ReadFile(out), QByteArrayLiteral("old"));

    QByteArray plain;
    for (const char* option : { "--reduce", "--dither" }) {
        SCOPED_TRACE(option);
        const ProgramRun run
            = Cli({ QStringLiteral("create"), QString::fromLatin1(option), out, photo });
        ASSERT_EQ(run.code, 0) << run.err.toStdString();
        EXPECT_TRUE(
            run.out.startsWith("reduced the 48x48 image of " + photo.toUtf8() + " from 2305 to "))
            << run.out.data();
        const auto doc = OpenInEditor(out);
        EXPECT_LE(GridColours(doc[2], 48).size() + 1, 256u);
        if (plain.isEmpty())
            plain = ReadFile(out);
        else
            EXPECT_NE(ReadFile(out), plain) << "dithering changes the cells";
    }
}

TEST(CliCreate, FromOneLargeImageMakesAllThreeSizes)
{
    QTemporaryDir dir;
    // Wide, with a transparent frame: the icons are centred and keep their holes.
    QImage wide(300, 150, QImage::Format_ARGB32);
    wide.fill(qRgba(0, 0, 0, 0));
    for (int y = 30; y < 120; ++y)
        for (int x = 30; x < 270; ++x)
            wide.setPixel(x, y, qRgb(220, 40, 40));
    const QString logo = Save(dir, QStringLiteral("logo.png"), wide);
    const QString out = dir.filePath(QStringLiteral("logo.ico"));
    const ProgramRun run = Cli({ QStringLiteral("create"), QStringLiteral("--reduce"),
        QStringLiteral("--from"), logo, out });
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const auto doc = OpenInEditor(out);
    for (int i = 0; i < kImageCount; ++i) {
        const int side = kImageSides[i];
        const IconGrid& grid = doc[i];
        EXPECT_EQ(grid[side / 2][side / 2], RGB(220, 40, 40)) << side;
        EXPECT_EQ(grid[side / 2][0], ICON_TRANSPARENT) << side;
        EXPECT_EQ(grid[0][side / 2], ICON_TRANSPARENT) << side;
    }

    const QString svg = dir.filePath(QStringLiteral("logo.svg"));
    ASSERT_TRUE(WriteFile(svg,
        "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>"
        "<rect x='0' y='0' width='5' height='10' fill='#0000ff'/></svg>"));
    const ProgramRun vector = Cli({ QStringLiteral("create"), QStringLiteral("--from"), svg, out });
    ASSERT_EQ(vector.code, 0) << vector.err.toStdString()
                              << " (scripts/setup.sh installs libqt6svg6)";
    const auto drawn = OpenInEditor(out);
    // Drawn at 48 pixels, the edge falls between cells: no blur from a smaller rendering.
    EXPECT_EQ(drawn[2][23][10], RGB(0, 0, 255));
    EXPECT_EQ(drawn[2][24][10], ICON_TRANSPARENT);
}

TEST(CliInfo, JsonDescribesEveryFileForAParser)
{
    QTemporaryDir dir;
    CIconDoc ours;
    PaintTestPattern(ours, { 16, 32 });
    const QString a = dir.filePath(QStringLiteral("a.ico"));
    ASSERT_TRUE(WriteFile(a, SaveToBytes(ours)));
    const QString png = PngCompressedIcon(dir, QStringLiteral("b.ico"), 10);
    ASSERT_FALSE(png.isEmpty());
    const QString missing = dir.filePath(QStringLiteral("missing.ico"));

    const ProgramRun run
        = Cli({ QStringLiteral("info"), QStringLiteral("--json"), a, png, missing });
    EXPECT_EQ(run.code, 1) << "one file could not be read";
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(run.out, &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << run.out.data();
    const QJsonArray files = json.array();
    ASSERT_EQ(files.size(), 3);

    const QJsonObject first = files[0].toObject();
    EXPECT_EQ(first[QStringLiteral("file")].toString(), a);
    EXPECT_TRUE(first[QStringLiteral("opened")].toBool());
    EXPECT_EQ(first[QStringLiteral("drawn")].toArray(), (QJsonArray { 16, 32 }));
    EXPECT_EQ(first[QStringLiteral("entries")].toArray()[1].toObject()[QStringLiteral("use")],
        QStringLiteral("used"));

    const QJsonObject entry
        = files[1].toObject()[QStringLiteral("entries")].toArray()[0].toObject();
    EXPECT_EQ(entry[QStringLiteral("format")], QStringLiteral("png"));
    EXPECT_EQ(entry[QStringLiteral("width")], 256);
    EXPECT_EQ(entry[QStringLiteral("imageWidth")], 256);
    EXPECT_EQ(entry[QStringLiteral("bitsPerPixel")], 32);
    EXPECT_EQ(entry[QStringLiteral("use")], QStringLiteral("skipped"));
    EXPECT_TRUE(entry[QStringLiteral("importable")].toBool());
    EXPECT_EQ(files[1].toObject()[QStringLiteral("drawn")].toArray(), QJsonArray());

    const QJsonObject absent = files[2].toObject();
    EXPECT_FALSE(absent[QStringLiteral("opened")].toBool());
    EXPECT_TRUE(absent[QStringLiteral("bytes")].isNull());
    EXPECT_EQ(absent[QStringLiteral("error")], QStringLiteral("Failed to open document."));

    // What a script pipes it through.
    const ProgramRun tool = RunProgram(
        QStringLiteral("python3"), { QStringLiteral("-m"), QStringLiteral("json.tool") }, run.out);
    EXPECT_EQ(tool.code, 0) << tool.err.toStdString();

    const ProgramRun text = Cli({ QStringLiteral("info"), png });
    EXPECT_TRUE(text.out.contains("entry 1: png 256x256, 32-bit, offset 22, "
        + QByteArray::number(GetDWord(ReadFile(png), 14)) + " bytes, skipped (width not 16/32/48)"))
        << text.out.data();
}

TEST(CliPipes, IconsFlowThroughStandardInputAndOutput)
{
    QTemporaryDir dir;
    const QString image = Save(dir, QStringLiteral("i.png"), FewColours(32, 50));
    const QString single = dir.filePath(QStringLiteral("single.ico"));
    ASSERT_EQ(Cli({ QStringLiteral("create"), single, image }).code, 0);

    const ProgramRun piped = Cli(
        { QStringLiteral("create"), QStringLiteral("-"), QStringLiteral("-") }, ReadFile(image));
    ASSERT_EQ(piped.code, 0) << piped.err.toStdString();
    EXPECT_EQ(piped.out, ReadFile(single));
    EXPECT_EQ(piped.err, QStringLiteral("wrote - (32x32)\n")) << "the report keeps out of the icon";

    const ProgramRun info = Cli({ QStringLiteral("info"), QStringLiteral("-") }, piped.out);
    EXPECT_EQ(info.code, 0);
    EXPECT_TRUE(info.out.startsWith("-: 1 entry\n")) << info.out.data();
    EXPECT_TRUE(info.out.endsWith("drawn: 32x32\n"));

    // An icon of ours, all three sizes, imports to the very same bytes.
    QStringList images;
    for (int side : kImageSides)
        images << Save(dir, QStringLiteral("i%1.png").arg(side), FewColours(side, 50));
    const QString file = dir.filePath(QStringLiteral("file.ico"));
    ASSERT_EQ(Cli(QStringList { QStringLiteral("create"), file } + images).code, 0);
    const ProgramRun imported = Cli(
        { QStringLiteral("import"), QStringLiteral("-"), QStringLiteral("-") }, ReadFile(file));
    EXPECT_EQ(imported.code, 0) << imported.err.toStdString();
    EXPECT_EQ(imported.out, ReadFile(file));

    // Several files, named by their stems.
    const QString second = dir.filePath(QStringLiteral("second.ico"));
    ASSERT_TRUE(QFile::copy(file, second));
    const QString pngs = dir.filePath(QStringLiteral("pngs"));
    const ProgramRun exported = Cli({ QStringLiteral("export"), QStringLiteral("--name"),
        QStringLiteral("{stem}/{size}.png"), file, second, pngs });
    EXPECT_EQ(exported.code, 0) << exported.err.toStdString();
    for (const char* name : { "file/32.png", "second/32.png" })
        EXPECT_EQ(
            QImage(pngs + u'/' + QString::fromLatin1(name)).convertToFormat(QImage::Format_ARGB32),
            QImage(image).convertToFormat(QImage::Format_ARGB32))
            << name;
}

TEST(CliRefusals, NonRegularInputsAndUnwritableOutputsFailAtOnce)
{
    QTemporaryDir dir;
    const QString image = Save(dir, QStringLiteral("i.png"), FewColours(16, 5));
    const QString fifo = dir.filePath(QStringLiteral("fifo.ico"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString out = dir.filePath(QStringLiteral("out.ico"));

    // Each would block forever in open if it waited for a writer to the FIFO.
    for (const QStringList& args : std::vector<QStringList> { { QStringLiteral("info"), fifo },
             { QStringLiteral("create"), out, fifo }, { QStringLiteral("import"), fifo, out },
             { QStringLiteral("export"), fifo, dir.path() },
             { QStringLiteral("create"), QStringLiteral("--from"), fifo, out } }) {
        SCOPED_TRACE(args.join(u' ').toStdString());
        const ProgramRun run = Cli(args);
        EXPECT_EQ(run.code, 1);
        EXPECT_EQ(run.err,
            QStringLiteral("pixmora-cli: %1: not a regular file\npixmora-cli: %1: Failed to open "
                           "document.\n")
                .arg(fifo));
        EXPECT_FALSE(QFileInfo::exists(out));
    }

    // A directory in the target's place, a missing directory, a FIFO as the target (which
    // must not be replaced), a full device as the standard output: the framework's message,
    // exit 1 and never "wrote".
    const QString directory = dir.filePath(QStringLiteral("taken"));
    ASSERT_TRUE(QDir().mkpath(directory + QStringLiteral("/inside")));
    for (const QString& target : { directory, dir.filePath(QStringLiteral("none/x.ico")), fifo }) {
        SCOPED_TRACE(target.toStdString());
        const ProgramRun run = Cli({ QStringLiteral("create"), target, image });
        EXPECT_EQ(run.code, 1);
        EXPECT_TRUE(run.err.endsWith(
            QStringLiteral("pixmora-cli: %1: Failed to save document.\n").arg(target)))
            << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    EXPECT_TRUE(QFileInfo(directory + QStringLiteral("/inside")).isDir());
    struct stat info { };
    ASSERT_EQ(::stat(QFile::encodeName(fifo).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));

    if (QFileInfo::exists(QStringLiteral("/dev/full"))) {
        QProcess process;
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(QStringLiteral(PIXMORA_CLI_PATH),
            { QStringLiteral("create"), QStringLiteral("-"), image });
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 1);
        const QString err = QString::fromLocal8Bit(process.readAllStandardError());
        EXPECT_EQ(err,
            QStringLiteral("pixmora-cli: standard output: No space left on device\n"
                           "pixmora-cli: -: Failed to save document.\n"));
    } else {
        GTEST_SKIP() << "no /dev/full on this machine to fail a write";
    }
}

TEST(CliRefusals, ExportOnAFullDiskKeepsTheOldFilesAndSaysSo)
{
    QTemporaryDir dir;
    const QString disk = dir.filePath(QStringLiteral("disk"));
    ASSERT_TRUE(QDir().mkpath(disk));
    if (RunProgram(QStringLiteral("mount"),
            { QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                QStringLiteral("size=64k"), QStringLiteral("tmpfs"), disk })
            .code
        != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root, as in CI)";
    struct Unmount {
        QString path;
        ~Unmount() { RunProgram(QStringLiteral("umount"), { path }); }
    } unmount { disk };

    QStringList images;
    for (int side : kImageSides)
        images << Save(dir, QStringLiteral("i%1.png").arg(side), Gradient(side, side, 3));
    const QString icon = dir.filePath(QStringLiteral("g.ico"));
    ASSERT_EQ(
        Cli(QStringList { QStringLiteral("create"), QStringLiteral("--reduce"), icon } + images)
            .code,
        0);
    ASSERT_EQ(Cli({ QStringLiteral("export"), icon, disk }).code, 0);
    const QByteArray old = ReadFile(disk + QStringLiteral("/icon-48.png"));
    {
        QFile fill(disk + QStringLiteral("/fill"));
        ASSERT_TRUE(fill.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(1024, 'x');
        while (fill.write(block) == block.size()) { }
    }
    const QStringList before = QDir(disk).entryList(QDir::Files);

    // Another picture, so that every file would change.
    QStringList other;
    for (int side : kImageSides)
        other << Save(dir, QStringLiteral("o%1.png").arg(side), FewColours(side, 30));
    const QString second = dir.filePath(QStringLiteral("o.ico"));
    ASSERT_EQ(Cli(QStringList { QStringLiteral("create"), second } + other).code, 0);
    const ProgramRun run = Cli({ QStringLiteral("export"), second, disk });
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(
        run.err.contains(QStringLiteral("cannot write the image (No space left on device)")))
        << run.err.toStdString();
    EXPECT_EQ(ReadFile(disk + QStringLiteral("/icon-48.png")), old);
    EXPECT_EQ(QDir(disk).entryList(QDir::Files), before) << "no temporary file is left behind";
}
