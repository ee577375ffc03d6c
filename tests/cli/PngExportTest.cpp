// SPDX-License-Identifier: GPL-3.0-or-later
// Export's own PNG encoder against the image library it replaces: the same pixels, read back by
// Qt and by ImageMagick, for every drawn image of the fixtures and for random pictures whose
// rows exercise each filter. And the tool itself: export must map no Qt at all, info of icons
// of bitmaps alone no QtGui, and a missing part of the tool must be reported, not crash or pass
// silently.
#include "cli/CliCommands.h"
#include "cli/GridImage.h"
#include "cli/GridPng.h"
#include "cli/PngWriter.h"
#include "framework/PathNames.h"
#include "support/IcoBuilder.h"
#include "support/ProgramRun.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>
#include <vector>

namespace {

QImage ReadPng(QByteArrayView png)
{
    QImage image;
    image.loadFromData(png, "PNG");
    return image.convertToFormat(QImage::Format_ARGB32);
}

// RGBA bytes, rows top first, as EncodeRgbaPng takes them.
std::vector<std::uint8_t> RandomPicture(int width, int height, QRandomGenerator& random)
{
    std::vector<std::uint8_t> rgba(std::size_t(width * height * 4));
    // Runs of one colour and of noise, so that every filter wins on some row.
    std::uint32_t colour = random.generate();
    for (std::size_t p = 0; p < rgba.size() / 4; ++p) {
        if (random.bounded(4) == 0)
            colour = random.generate();
        for (int c = 0; c < 4; ++c)
            rgba[p * 4 + std::size_t(c)] = std::uint8_t(colour >> (8 * c));
    }
    return rgba;
}

QRgb PixelOf(const std::vector<std::uint8_t>& rgba, int width, int x, int y)
{
    const std::uint8_t* p = &rgba[std::size_t((y * width + x) * 4)];
    return qRgba(p[0], p[1], p[2], p[3]);
}

} // namespace

TEST(PngExport, EveryDrawnFixtureImageHasThePixelsOfTheQtPath)
{
    int compared = 0;
    for (const QString& name : QDir(QStringLiteral(PIXMORA_TEST_DATA)).entryList({ "*.ico" })) {
        std::string messages;
        CliIcon icon;
        if (!LoadIcon(NativeName(QStringLiteral(PIXMORA_TEST_DATA "/") + name), icon, messages))
            continue; // the damaged fixtures
        for (int i = 0; i < kImageCount; ++i) {
            const int side = kImageSides[i];
            if (!IsImageDrawn(icon.pixels[i], side))
                continue;
            const QImage ours = ReadPng(GridToPng(icon.pixels[i], side));
            const QImage qt = ReadPng(EncodePng(GridToImage(icon.pixels[i], side)));
            ASSERT_FALSE(ours.isNull()) << name.toStdString() << ' ' << side;
            EXPECT_EQ(ours, qt) << name.toStdString() << ' ' << side;
            ++compared;
        }
    }
    EXPECT_GE(compared, 4);
}

TEST(PngExport, RandomPicturesReadBackExactlyInQt)
{
    QRandomGenerator random(13);
    const std::pair<int, int> shapes[]
        = { { 1, 1 }, { 2, 3 }, { 16, 16 }, { 48, 48 }, { 300, 7 }, { 5, 200 } };
    for (const auto& [width, height] : shapes) {
        const std::vector<std::uint8_t> rgba = RandomPicture(width, height, random);
        const QImage image = ReadPng(EncodeRgbaPng(rgba.data(), width, height));
        ASSERT_EQ(image.size(), QSize(width, height)) << width << 'x' << height;
        int wrong = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                wrong += image.pixel(x, y) != PixelOf(rgba, width, x, y);
        EXPECT_EQ(wrong, 0) << width << 'x' << height;
    }
}

TEST(PngExport, ImageMagickReadsBackTheSameBytes)
{
    QRandomGenerator random(7);
    const std::vector<std::uint8_t> rgba = RandomPicture(48, 48, random);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture.png"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(ToQByteArray(EncodeRgbaPng(rgba.data(), 48, 48)));
    file.close();
    // scripts/setup.sh installs ImageMagick: a missing convert fails here.
    QProcess convert;
    convert.start(QStringLiteral("convert"),
        { path, QStringLiteral("-depth"), QStringLiteral("8"), QStringLiteral("rgba:-") });
    ASSERT_TRUE(convert.waitForFinished(60000));
    ASSERT_EQ(convert.exitCode(), 0) << convert.readAllStandardError().toStdString();
    const QByteArray raw = convert.readAllStandardOutput();
    EXPECT_EQ(raw, QByteArray(reinterpret_cast<const char*>(rgba.data()), qsizetype(rgba.size())));
}

TEST(PngExport, TheToolExportsWithoutQtAndListsBitmapIconsWithoutQtGui)
{
    QTemporaryDir dir;
    const QString icon = QStringLiteral(PIXMORA_TEST_DATA "/ours-16-32-48.ico");
    // The loader names every library it maps.
    ProgramSetup traced;
    traced.environment = EnvironmentWith("LD_DEBUG", QStringLiteral("files"));
    const auto run = [&](const QStringList& args) {
        return RunProgram(QStringLiteral(PIXMORA_CLI_PATH), args, traced);
    };
    const ProgramRun exported = run({ QStringLiteral("export"), icon, dir.path() });
    ASSERT_EQ(exported.code, 0) << exported.err.toStdString();
    EXPECT_TRUE(exported.err.contains(QLatin1String("libz.so")));
    EXPECT_FALSE(exported.err.contains(QLatin1String("libQt6Core.so")));
    EXPECT_EQ(exported.out.count("wrote "), 3);
    const ProgramRun listed = run({ QStringLiteral("info"), QStringLiteral("--json"), icon });
    ASSERT_EQ(listed.code, 0) << listed.err.toStdString();
    EXPECT_TRUE(listed.err.contains(QLatin1String("libQt6Core.so")));
    EXPECT_FALSE(listed.err.contains(QLatin1String("libQt6Gui.so")));
    EXPECT_EQ(listed.out.count("\"importable\": true"), 3);
}

TEST(PngExport, AToolWithoutThePartsItHandsOverToSaysSoAndFails)
{
    QTemporaryDir dir;
    const QString front = dir.filePath(QStringLiteral("pixmora-cli"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(PIXMORA_CLI_PATH), front));
    const QString icon = QStringLiteral(PIXMORA_TEST_DATA "/ours-16-32-48.ico");
    // An icon with a PNG entry: only decoding the stream tells whether import could take it.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImage picture(16, 16, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(&buffer, "PNG"));
    QByteArray modern = QByteArrayLiteral("\0\0\1\0\1\0") + QByteArray(16, '\0');
    modern[6] = 16;
    modern[7] = 16;
    PutDWord(modern, 6 + 8, std::uint32_t(png.size()));
    PutDWord(modern, 6 + 12, std::uint32_t(modern.size()));
    const QString modernIcon = dir.filePath(QStringLiteral("modern.ico"));
    ASSERT_TRUE(WriteFile(modernIcon, modern + png));
    const auto expectMissing = [&](const ProgramRun& run, const QString& prefix, const char* name) {
        EXPECT_EQ(run.code, 1);
        EXPECT_TRUE(
            run.err.startsWith(prefix + QStringLiteral("cannot find ") + QLatin1String(name)))
            << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QDir(dir.path()).filePath(QLatin1String(name))));
        EXPECT_TRUE(run.out.isEmpty());
    };

    // The front end alone: a plain export needs nothing else; the rest needs the full tool.
    const ProgramRun alone = RunProgram(front, { QStringLiteral("export"), icon, dir.path() });
    EXPECT_EQ(alone.code, 0) << alone.err.toStdString();
    EXPECT_EQ(alone.out.count("wrote "), 3);
    expectMissing(RunProgram(front, { QStringLiteral("info"), icon }),
        QStringLiteral("pixmora-cli: "), "pixmora-cli-commands");

    // With the full tool but not its image helper.
    ASSERT_TRUE(QFile::copy(QStringLiteral(PIXMORA_CLI_COMMANDS_PATH),
        dir.filePath(QStringLiteral("pixmora-cli-commands"))));
    expectMissing(RunProgram(front, { QStringLiteral("info"), icon, modernIcon }),
        QStringLiteral("pixmora-cli: info: "), "pixmora-cli-images");
    // What the full tool does itself: usage errors, and info of icons of bitmaps alone.
    const ProgramRun exported = RunProgram(
        front, { QStringLiteral("export"), QStringLiteral("--json"), icon, dir.path() });
    EXPECT_EQ(exported.code, 2) << "a usage error goes to the full tool, which reports it";
    EXPECT_TRUE(
        exported.err.startsWith(QStringLiteral("pixmora-cli: --json does not apply to export")))
        << exported.err.toStdString();
    const ProgramRun listed = RunProgram(front, { QStringLiteral("info"), icon });
    EXPECT_EQ(listed.code, 0) << listed.err.toStdString();
    EXPECT_TRUE(listed.out.contains("drawn: 16x16 32x32 48x48")) << listed.out.toStdString();
}

TEST(PngExport, WithoutProcTheToolRunsNoProgramFromTheCurrentFolder)
{
    // Hiding /proc takes a mount namespace of its own: root only, which CI is.
    if (::geteuid() != 0)
        GTEST_SKIP() << "hiding /proc from one program needs root";
    QTemporaryDir dir;
    const QString decoy = dir.filePath(QStringLiteral("pixmora-cli-commands"));
    ASSERT_TRUE(WriteFile(decoy, "#!/bin/sh\necho decoy ran\n"));
    ASSERT_TRUE(QFile::setPermissions(decoy, QFile::ReadOwner | QFile::ExeOwner));
    // A sanitized build's leak check needs /proc: without, it would fail the run itself.
    ProgramSetup setup;
    setup.environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    const ProgramRun run = RunProgram(QStringLiteral("unshare"),
        { QStringLiteral("-m"), QStringLiteral("sh"), QStringLiteral("-c"),
            QStringLiteral(
                "mount -t tmpfs none /proc || exit 77; cd \"$1\" && exec \"$2\" --version"),
            QStringLiteral("sh"), dir.path(), QStringLiteral(PIXMORA_CLI_PATH) },
        setup);
    if (run.code == 77 || run.err.startsWith(QLatin1String("unshare:")))
        GTEST_SKIP() << "no mount namespace here: " << run.err.toStdString();
    EXPECT_EQ(run.code, 1);
    EXPECT_FALSE(run.out.contains("decoy")) << run.out.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("pixmora-cli: cannot find pixmora-cli-commands "
                                                "(the folder of this program is unknown)\n")))
        << run.err.toStdString();
}
