// SPDX-License-Identifier: GPL-3.0-or-later
// pixmora-cli: listing, export and create through the document, run in-process through RunCli
// and once as the real program without a display.
#include "cli/Cli.h"
#include "support/IcoBuilder.h"
#include "support/ScriptedPlatform.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

struct CliRun {
    int code = -1;
    QString out;
    QString err;
};

CliRun RunInProcess(const QStringList& args)
{
    CliRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.code = RunCli(args, out, err);
    return run;
}

ForeignImage Image(int entryWidth, int headerWidth, int bits)
{
    ForeignImage image;
    image.entryWidth = entryWidth;
    image.headerWidth = headerWidth;
    image.bits = bits;
    image.palette = { RGB(0, 0, 0), RGB(255, 0, 0), RGB(0, 255, 0) };
    image.index = [](int x, int y) { return (x + y) % 3; };
    return image;
}

QString EntryLine(const QByteArray& file, int number, int bits, const QString& verdict)
{
    const int at = 6 + 16 * (number - 1);
    return QStringLiteral("entry %1: %2x%2, %3 bpp, offset %4, %5 bytes, %6")
        .arg(number)
        .arg(std::uint8_t(file[at]))
        .arg(bits)
        .arg(GetDWord(file, at + 12))
        .arg(GetDWord(file, at + 8))
        .arg(verdict);
}

QImage Square(int side, QRgb fill)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(fill);
    return image;
}

} // namespace

TEST(Cli, InfoListsEveryEntryWithTheReadersVerdict)
{
    const QByteArray file = BuildIcon({ 1,
        { Image(16, 16, 8), Image(64, 32, 8), Image(32, 16, 8), Image(32, 32, 1), Image(32, 32, 4),
            Image(32, 32, 8) } });
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mixed.ico"));
    ASSERT_TRUE(WriteFile(path, file));

    const CliRun run = RunInProcess({ QStringLiteral("info"), path });
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    const QStringList expected = {
        path + QStringLiteral(": 6 entries"),
        EntryLine(file, 1, 8, QStringLiteral("used")),
        EntryLine(file, 2, 8, QStringLiteral("skipped (width not 16/32/48)")),
        EntryLine(file, 3, 8, QStringLiteral("skipped (header width mismatch)")),
        EntryLine(file, 4, 1, QStringLiteral("skipped (bit depth not 8/4)")),
        EntryLine(file, 5, 4, QStringLiteral("used (replaced by entry 6)")),
        EntryLine(file, 6, 8, QStringLiteral("used")),
        QStringLiteral("drawn: 16x16 32x32"),
    };
    EXPECT_EQ(run.out, expected.join(u'\n') + u'\n');
    EXPECT_TRUE(run.err.isEmpty());
}

TEST(Cli, InfoReportsDamageAsTheEditorWould)
{
    CIconDoc doc;
    PaintTestPattern(doc, { 16, 32 });
    const QByteArray good = SaveToBytes(doc);
    QByteArray insideDirectory = good;
    PutDWord(insideDirectory, 6 + 16 + 12, 30);
    QByteArray pastEnd = good;
    PutDWord(pastEnd, 6 + 12, 99999);

    struct Case {
        const char* name;
        QByteArray bytes;
        QString listed;
    };
    const std::vector<Case> cases = {
        { "cut short", good.left(good.size() - 3),
            QStringLiteral("damaged (image data cut short)") },
        { "past end", pastEnd,
            QStringLiteral("? bpp, offset 99999, 1384 bytes, damaged (image outside the file)") },
        { "directory cut short", good.left(30),
            QStringLiteral("directory cut short: 1 of 2 entries present") },
        { "no directory", good.left(3), QStringLiteral("no icon directory (3 bytes)") },
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("damaged.ico"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(WriteFile(path, c.bytes));
        ScopedScriptedPlatform platform;
        const CliRun run = RunInProcess({ QStringLiteral("info"), path });
        EXPECT_EQ(run.code, 1);
        EXPECT_TRUE(run.out.contains(c.listed)) << run.out.toStdString();
        EXPECT_FALSE(run.out.contains(QStringLiteral("drawn:")));
        EXPECT_EQ(run.err, QStringLiteral("pixmora-cli: %1: Unexpected file format.\n").arg(path));
        EXPECT_TRUE(platform->messages.empty()) << "the framework's message belongs on stderr";
    }

    // Every byte of an image that points into the directory is there: the editor skips it and
    // opens the rest, and the listing says so.
    ASSERT_TRUE(WriteFile(path, insideDirectory));
    const CliRun inside = RunInProcess({ QStringLiteral("info"), path });
    EXPECT_EQ(inside.code, 0);
    EXPECT_TRUE(inside.out.contains(
        QStringLiteral("32x32, 0 bpp, offset 30, 2216 bytes, skipped (header width mismatch)")))
        << inside.out.toStdString();
    EXPECT_TRUE(inside.out.contains(QStringLiteral("drawn: 16x16")));

    const CliRun missing
        = RunInProcess({ QStringLiteral("info"), dir.filePath(QStringLiteral("none.ico")) });
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(missing.err.endsWith(QStringLiteral(": Failed to open document.\n")));
}

TEST(Cli, ExportWritesOnePngPerDrawnImage)
{
    CIconDoc doc;
    PaintTestPattern(doc, { 16, 48 });
    QTemporaryDir dir;
    const QString icon = dir.filePath(QStringLiteral("in.ico"));
    ASSERT_TRUE(WriteFile(icon, SaveToBytes(doc)));
    const QString outDir = dir.filePath(QStringLiteral("new/sub"));

    const CliRun run = RunInProcess({ QStringLiteral("export"), icon, outDir });
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(outDir + QStringLiteral("/icon-32.png")));
    for (int side : { 16, 48 }) {
        const QImage png(outDir + QStringLiteral("/icon-%1.png").arg(side));
        ASSERT_EQ(png.size(), QSize(side, side));
        EXPECT_TRUE(png.hasAlphaChannel());
        const IconGrid& grid = doc.m_pixels[SizeIndexOfSide(side)];
        for (int x = 0; x < side; ++x) {
            for (int y = 0; y < side; ++y) {
                const QRgb p = png.pixel(x, y);
                const COLORREF c = grid[x][y];
                if (c == ICON_TRANSPARENT)
                    ASSERT_EQ(qAlpha(p), 0) << x << "," << y;
                else
                    ASSERT_EQ(p, qRgba(GetRValue(c), GetGValue(c), GetBValue(c), 255))
                        << x << "," << y;
            }
        }
    }

    ForeignImage big;
    big.entryWidth = 64;
    const QString empty = dir.filePath(QStringLiteral("empty.ico"));
    ASSERT_TRUE(WriteFile(empty, BuildIcon({ 1, { big } })));
    const CliRun none = RunInProcess({ QStringLiteral("export"), empty, outDir });
    EXPECT_EQ(none.code, 1);
    EXPECT_TRUE(none.err.contains(QStringLiteral("no 16x16, 32x32 or 48x48 image is drawn")));
}

TEST(Cli, CreateBuildsTheIconFromPngAndBmpImages)
{
    QTemporaryDir dir;
    QImage small = Square(16, qRgba(10, 20, 30, 255));
    small.setPixel(1, 0, qRgba(200, 0, 0, 127));
    small.setPixel(2, 0, qRgba(0, 200, 0, 128));
    ASSERT_TRUE(small.save(dir.filePath(QStringLiteral("s.png"))));
    QImage middle(32, 32, QImage::Format_RGB32);
    middle.fill(qRgb(0, 0, 255));
    middle.setPixel(31, 31, qRgb(1, 2, 3));
    ASSERT_TRUE(middle.save(dir.filePath(QStringLiteral("m.bmp"))));
    ASSERT_TRUE(Square(48, qRgba(5, 5, 5, 255)).save(dir.filePath(QStringLiteral("first48.png"))));
    QImage second = Square(48, qRgba(0, 0, 0, 0));
    second.setPixel(47, 0, qRgba(9, 8, 7, 255));
    ASSERT_TRUE(second.save(dir.filePath(QStringLiteral("second48.png"))));

    const QString out = dir.filePath(QStringLiteral("out.ico"));
    const CliRun run = RunInProcess({ QStringLiteral("create"), out,
        dir.filePath(QStringLiteral("first48.png")), dir.filePath(QStringLiteral("s.png")),
        dir.filePath(QStringLiteral("m.bmp")), dir.filePath(QStringLiteral("second48.png")) });
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("wrote %1 (16x16 32x32 48x48)\n").arg(out));

    CIconDoc expected;
    for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 16; ++y)
            expected.m_pixels[0][x][y] = RGB(10, 20, 30);
    expected.m_pixels[0][1][0] = ICON_TRANSPARENT;
    expected.m_pixels[0][2][0] = RGB(0, 200, 0);
    for (int x = 0; x < 32; ++x)
        for (int y = 0; y < 32; ++y)
            expected.m_pixels[1][x][y] = RGB(0, 0, 255);
    expected.m_pixels[1][31][31] = ICON_TRANSPARENT;
    expected.m_pixels[2][47][0] = RGB(9, 8, 7);
    EXPECT_EQ(ReadFile(out), SaveToBytes(expected));
}

TEST(Cli, CreateRefusesBadImagesWithoutTouchingTheOutput)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.ico"));
    ASSERT_TRUE(WriteFile(out, QByteArrayLiteral("old")));
    const QString wide = dir.filePath(QStringLiteral("wide.png"));
    ASSERT_TRUE(QImage(32, 16, QImage::Format_ARGB32).save(wide));
    const QString big = dir.filePath(QStringLiteral("big.png"));
    ASSERT_TRUE(Square(64, qRgba(1, 1, 1, 255)).save(big));
    const QString text = dir.filePath(QStringLiteral("text.png"));
    ASSERT_TRUE(WriteFile(text, QByteArrayLiteral("not an image")));
    const QString clear = dir.filePath(QStringLiteral("clear.png"));
    ASSERT_TRUE(Square(16, qRgba(255, 255, 255, 0)).save(clear));

    struct Case {
        QString image;
        QString message;
    };
    const std::vector<Case> cases = {
        { wide,
            wide
                + QStringLiteral(
                    ": the image is 32x16; icon images must be 16x16, 32x32 or 48x48") },
        { big,
            big
                + QStringLiteral(
                    ": the image is 64x64; icon images must be 16x16, 32x32 or 48x48") },
        { text, text + QStringLiteral(": cannot read the image") },
        { clear,
            out
                + QStringLiteral(
                    ": You have not drawn any icons\nThe icon file will not be written.") },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.image.toStdString());
        const CliRun run = RunInProcess({ QStringLiteral("create"), out, c.image });
        EXPECT_EQ(run.code, 1);
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("pixmora-cli: ") + c.message))
            << run.err.toStdString();
        EXPECT_EQ(ReadFile(out), QByteArrayLiteral("old"));
    }
}

TEST(Cli, CommandLineErrorsHelpAndVersion)
{
    // info takes several files now; an option of another command is the usage error instead.
    for (const QStringList& args : std::vector<QStringList> { {}, { "frobnicate" }, { "info" },
             { "info", "--name", "x", "a.ico" }, { "export", "a.ico" }, { "create", "o.ico" },
             { "create", "--from", "big.png" }, { "create", "--from", "big.png", "o.ico", "x" },
             { "import", "a.ico" }, { "info", "--reduce", "a.ico" }, { "info", "--bogus", "a.ico" },
             { "create", "o.ico", "-", "-" }, { "export", "--name", "{stem}.png", "a.ico", "d" },
             { "export", "--name", "{size}-{colour}.png", "a.ico", "d" },
             { "export", "a.ico", "b.ico", "d" },
             { "export", "--name", "{stem}/../{size}.png", "a.ico", "b.ico", "d" } }) {
        SCOPED_TRACE(args.join(u' ').toStdString());
        const CliRun run = RunInProcess(args);
        EXPECT_EQ(run.code, 2);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.contains(QStringLiteral("Usage: pixmora-cli")));
    }
    const CliRun help = RunInProcess({ QStringLiteral("--help") });
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: pixmora-cli info FILE.ico")));
    const CliRun version = RunInProcess({ QStringLiteral("--version") });
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, QStringLiteral("pixmora-cli 1.0\n"));
}

TEST(Cli, TheProgramRunsWithoutADisplay)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("in.png"));
    ASSERT_TRUE(Square(32, qRgba(90, 80, 70, 255)).save(png));
    const QString ico = dir.filePath(QStringLiteral("out.ico"));

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" })
        env.remove(QString::fromLatin1(name));
    const auto cli = [&](const QStringList& args) {
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(PIXMORA_CLI_PATH), args);
        EXPECT_TRUE(process.waitForFinished(60000));
        return std::pair(
            process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()));
    };
    EXPECT_EQ(cli({ QStringLiteral("create"), ico, png }).first, 0);
    const auto [code, out] = cli({ QStringLiteral("info"), ico });
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(out.endsWith(QStringLiteral("drawn: 32x32\n"))) << out.toStdString();
    EXPECT_EQ(cli({}).first, 2);
}

// A user file-size limit smaller than the icon must fail the save with the usual message and
// leave the old file as it was, not end the process with SIGXFSZ half way through.
TEST(Cli, AFileSizeLimitFailsTheSaveInsteadOfKillingTheProgram)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("in.png"));
    ASSERT_TRUE(Square(48, qRgba(10, 20, 30, 255)).save(png));
    const QString ico = dir.filePath(QStringLiteral("out.ico"));
    ASSERT_EQ(RunInProcess({ QStringLiteral("create"), ico, png }).code, 0);
    QFile old(ico);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    const QByteArray before = old.readAll();
    old.close();

    QProcess process;
    process.setChildProcessModifier([] {
        const rlimit small { 1024, 1024 };
        ::setrlimit(RLIMIT_FSIZE, &small);
    });
    process.start(QStringLiteral(PIXMORA_CLI_PATH), { QStringLiteral("create"), ico, png });
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(process.readAllStandardError().contains("Failed to save document."));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}
