// SPDX-License-Identifier: GPL-3.0-or-later
// Other programs as judges of the codec: files we write must list and extract correctly with
// icotool, and 4- and 8-bit icons made by icotool and ImageMagick must read back to the pixels
// icotool extracts from them. scripts/setup.sh installs both tools, so a missing one is a
// failure, not a reason to skip.
#include "cli/IconImport.h"
#include "cli/IconListing.h"
#include "support/IcoBuilder.h"
#include "support/ScriptedPlatform.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ToolRun {
    bool ran = false;
    int code = -1;
    QString out;
    QString err;
};

ToolRun RunTool(const QString& program, const QStringList& args)
{
    ToolRun run;
    if (QStandardPaths::findExecutable(program).isEmpty()) {
        ADD_FAILURE() << program.toStdString()
                      << " is not installed (scripts/setup.sh installs icoutils and imagemagick)";
        return run;
    }
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000)) {
        ADD_FAILURE() << program.toStdString() << " did not finish";
        return run;
    }
    run.ran = process.exitStatus() == QProcess::NormalExit;
    run.code = process.exitCode();
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    EXPECT_TRUE(run.ran && run.code == 0)
        << program.toStdString() << ' ' << args.join(u' ').toStdString() << ": "
        << run.err.toStdString();
    return run;
}

// A square picture with the given number of distinct colours; when holes is set, a diagonal
// band is fully transparent.
QImage Picture(int side, int colours, bool holes)
{
    QImage image(side, side, QImage::Format_ARGB32);
    for (int x = 0; x < side; ++x) {
        for (int y = 0; y < side; ++y) {
            const int k = (x * 7 + y * 3 + x * y) % colours;
            const bool hole = holes && (x + y) % 6 == 0;
            image.setPixel(
                x, y, hole ? qRgba(0, 0, 0, 0) : qRgb(k * 41 % 256, 255 - k * 3, k * 17 % 256));
        }
    }
    return image;
}

// icotool's extraction of the image of the given side (file names end in _WxHxB.png).
QImage Extracted(const QString& dir, int side)
{
    const QStringList names = QDir(dir).entryList(
        { QStringLiteral("*_%1x%1x*.png").arg(side) }, QDir::Files, QDir::Name);
    if (names.size() != 1) {
        ADD_FAILURE() << "expected one extracted " << side << " image, found " << names.size();
        return {};
    }
    return QImage(dir + u'/' + names[0]).convertToFormat(QImage::Format_ARGB32);
}

void ExpectGridMatches(const IconGrid& grid, int side, const QImage& image)
{
    ASSERT_EQ(image.size(), QSize(side, side));
    for (int x = 0; x < side; ++x) {
        for (int y = 0; y < side; ++y) {
            const QRgb p = image.pixel(x, y);
            const COLORREF expected
                = qAlpha(p) < 128 ? ICON_TRANSPARENT : RGB(qRed(p), qGreen(p), qBlue(p));
            ASSERT_EQ(grid[x][y], expected) << side << "x" << side << " at " << x << "," << y;
        }
    }
}

// Opens an icon made by another program as the editor does, checks that every entry was taken
// at the expected depth, and compares each grid with icotool's extraction.
void ExpectReadsLikeIcotool(const QString& icon, int bits, const QTemporaryDir& work)
{
    const IconListing listing = ListIconPictures(ReadFile(icon)).listing;
    ASSERT_EQ(listing.entries.size(), 3u);
    for (const IconEntryListing& entry : listing.entries) {
        ASSERT_TRUE(entry.header);
        EXPECT_EQ(entry.header->biBitCount, bits) << entry.Format().toStdString();
        EXPECT_EQ(entry.use, IconEntryListing::Use::Used) << entry.Format().toStdString();
    }

    ScopedScriptedPlatform platform;
    CIconDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(icon));
    const QString extracted = work.filePath(QStringLiteral("x%1").arg(bits));
    QDir().mkpath(extracted);
    RunTool(
        QStringLiteral("icotool"), { QStringLiteral("-x"), QStringLiteral("-o"), extracted, icon });
    for (int i = 0; i < kImageCount; ++i)
        ExpectGridMatches(doc.m_pixels[i], kImageSides[i], Extracted(extracted, kImageSides[i]));
}

QStringList WritePictures(const QTemporaryDir& work, const QString& stem, int colours, bool holes)
{
    QStringList paths;
    for (int side : kImageSides) {
        const QString path = work.filePath(QStringLiteral("%1-%2.png").arg(stem).arg(side));
        EXPECT_TRUE(Picture(side, colours, holes).save(path));
        paths << path;
    }
    return paths;
}

} // namespace

TEST(ExternalTools, IcotoolListsAndExtractsTheFilesWeWrite)
{
    QTemporaryDir work;
    CIconDoc doc;
    PaintTestPattern(doc, { 16, 32, 48 }, 200);
    const QString icon = work.filePath(QStringLiteral("ours.ico"));
    ASSERT_TRUE(doc.OnSaveDocument(icon));

    const ToolRun list = RunTool(QStringLiteral("icotool"), { QStringLiteral("-l"), icon });
    QString expected;
    for (int i = 0; i < kImageCount; ++i)
        expected += QStringLiteral("--icon --index=%1 --width=%2 --height=%2 --bit-depth=8 "
                                   "--palette-size=256\n")
                        .arg(i + 1)
                        .arg(kImageSides[i]);
    EXPECT_EQ(list.out, expected);

    RunTool(QStringLiteral("icotool"),
        { QStringLiteral("-x"), QStringLiteral("-o"), work.path(), icon });
    for (int i = 0; i < kImageCount; ++i)
        ExpectGridMatches(doc.m_pixels[i], kImageSides[i], Extracted(work.path(), kImageSides[i]));
}

TEST(ExternalTools, IcotoolFourAndEightBitIconsReadAsIcotoolExtractsThem)
{
    QTemporaryDir work;
    for (int bits : { 4, 8 }) {
        SCOPED_TRACE(bits);
        // Transparent pixels count as one more colour, so 4 bits leave room for 14 others.
        const QStringList pictures
            = WritePictures(work, QStringLiteral("ico%1").arg(bits), bits == 4 ? 14 : 120, true);
        const QString icon = work.filePath(QStringLiteral("icotool-%1.ico").arg(bits));
        RunTool(QStringLiteral("icotool"),
            QStringList { QStringLiteral("-c"), QStringLiteral("-b"), QString::number(bits),
                QStringLiteral("-o"), icon }
                + pictures);
        ExpectReadsLikeIcotool(icon, bits, work);
    }
}

TEST(ExternalTools, ImageMagickFourAndEightBitIconsReadAsIcotoolExtractsThem)
{
    // ImageMagick writes a paletted entry (4 bits up to 16 colours, 8 bits up to 256) for an
    // opaque palette image; with transparency it would switch to 32 bits.
    QTemporaryDir work;
    for (int bits : { 4, 8 }) {
        SCOPED_TRACE(bits);
        const QStringList pictures
            = WritePictures(work, QStringLiteral("im%1").arg(bits), bits == 4 ? 11 : 90, false);
        const QString icon = work.filePath(QStringLiteral("magick-%1.ico").arg(bits));
        RunTool(QStringLiteral("convert"),
            pictures + QStringList { QStringLiteral("-type"), QStringLiteral("Palette"), icon });
        ExpectReadsLikeIcotool(icon, bits, work);
    }
}
