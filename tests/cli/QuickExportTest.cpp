// SPDX-License-Identifier: GPL-3.0-or-later
// pixmora-cli's front end runs a well-formed export without Qt and hands every other command
// line to the full tool. Whichever runs, the user must see what the full tool alone gives: the
// same status, the same output and error text, the same files, failures included. Each case runs
// the front end and the full tool in two identical fresh folders and compares everything, and says
// whether the front end should have done the work itself, which the loader's list of mapped
// libraries tells.
#include "cli/QuickExport.h"
#include "document/IconTypes.h"
#include "support/IcoBuilder.h"
#include "support/ProgramRun.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <map>

namespace {

const QString kRoot = QStringLiteral("%ROOT%");

// The icons and obstacles every case starts from.
void Populate(const QString& root)
{
    const QDir dir(root);
    const QByteArray ours = ReadFile(QStringLiteral(PIXMORA_TEST_DATA "/ours-16-32-48.ico"));
    ASSERT_TRUE(WriteFile(dir.filePath(QStringLiteral("a.ico")), ours));
    ASSERT_TRUE(WriteFile(dir.filePath(QStringLiteral("é ñ.ICO")), ours));
    ForeignImage small;
    small.entryWidth = small.headerWidth = 16;
    small.palette = { RGB(10, 20, 30), RGB(200, 100, 50) };
    small.index = [](int x, int y) { return (x + y) % 2; };
    ASSERT_TRUE(WriteFile(dir.filePath(QStringLiteral("b.ico")), BuildIcon({ 1, { small } })));
    ForeignImage blank = small;
    blank.transparent = [](int, int) { return true; };
    ASSERT_TRUE(WriteFile(dir.filePath(QStringLiteral("blank.ico")), BuildIcon({ 1, { blank } })));
    ASSERT_TRUE(WriteFile(dir.filePath(QStringLiteral("damaged.ico")),
        ReadFile(QStringLiteral(PIXMORA_TEST_DATA "/damaged-cut-short.ico"))));
    ASSERT_TRUE(WriteFile(dir.filePath(QStringLiteral("file")), "not a folder"));
    // The second image of a.ico cannot be written here: the first one already is.
    ASSERT_TRUE(dir.mkpath(QStringLiteral("blocked/icon-32.png")));
    // An icon whose first image replaces it, and whose last cannot be written ("48" is a file).
    ASSERT_TRUE(dir.mkpath(QStringLiteral("16")));
    ASSERT_TRUE(WriteFile(dir.filePath(QStringLiteral("16/q.ico")), ours));
    ASSERT_TRUE(WriteFile(dir.filePath(QStringLiteral("48")), "a file"));
}

// Every file and folder below root with its bytes.
std::map<QString, QByteArray> Snapshot(const QString& root)
{
    std::map<QString, QByteArray> entries;
    QDirIterator it(
        root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = QDir(root).relativeFilePath(path);
        entries[name] = it.fileInfo().isDir() ? QByteArray("<folder>") : ReadFile(path);
    }
    return entries;
}

struct Outcome {
    ProgramRun run;
    std::map<QString, QByteArray> files;
    bool mappedQt = false;
};

Outcome RunIn(
    const QString& program, const QStringList& pattern, const QByteArray& input, bool traced)
{
    QTemporaryDir root;
    QTemporaryDir logs;
    Populate(root.path());
    QStringList args;
    for (const QString& arg : pattern)
        args << QString(arg).replace(kRoot, root.path());
    ProgramSetup setup;
    setup.input = input;
    setup.workingDirectory = root.path();
    if (traced) {
        setup.environment.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("files"));
        setup.environment.insert(
            QStringLiteral("LD_DEBUG_OUTPUT"), logs.filePath(QStringLiteral("ld")));
    }
    Outcome outcome { RunProgram(program, args, setup), Snapshot(root.path()) };
    outcome.run.out.replace(root.path().toUtf8(), kRoot.toUtf8());
    outcome.run.err.replace(root.path(), kRoot);
    for (const QString& log : QDir(logs.path()).entryList(QDir::Files))
        outcome.mappedQt |= ReadFile(QDir(logs.path()).filePath(log)).contains("libQt6Core.so");
    return outcome;
}

} // namespace

TEST(QuickExport, EveryCommandLineGivesWhatTheFullToolGives)
{
    const QString name = QStringLiteral("--name");
    const QString stems = QStringLiteral("--name={stem}-{size}.png");
    const auto s = [](const char* text) { return QString::fromUtf8(text); };
    struct Case {
        QStringList args;
        bool quick; // the front end does the work itself
        bool fromStdin = false;
    };
    const Case cases[] = {
        { { s("export"), s("a.ico"), s("out") }, true },
        { { s("export"), s("a.ico"), s("out/") }, true },
        { { s("export"), s("a.ico"), s(".") }, true },
        { { s("export"), s("a.ico"), s("new/deep/folder") }, true },
        { { s("export"), name, s("{stem}-{size}.png"), s("a.ico"), s("é ñ.ICO"), s("b.ico"),
              s("out") },
            true },
        { { s("export"), s("--name=sub/{stem}/./{size}.png"), s("a.ico"), s("out") }, true },
        { { s("export"), name, s("../up-{size}.png"), s("a.ico"), s("out") }, true },
        { { s("export"), name, kRoot + s("/absolute-{size}.png"), s("a.ico"), s("out") }, true },
        { { s("export"), name, s("{size}"), s("--"), s("a.ico"), s("out") }, true },
        { { s("export"), name, s("{size}{stem}"), s("a.ico"), s("b.ico"), s("out") }, true },
        // Failures are reported alike, the next icon tried, and what was written stays.
        { { s("export"), s("missing.ico"), s("out") }, true },
        { { s("export"), s("damaged.ico"), s("out") }, true },
        { { s("export"), s("blank.ico"), s("out") }, true },
        { { s("export"), stems, s("a.ico"), s("blank.ico"), s("b.ico"), s("out") }, true },
        { { s("export"), stems, s("a.ico"), s("b.ico"), s("missing.ico"), s("out") }, true },
        { { s("export"), s("a.ico"), s("file") }, true },
        { { s("export"), s("a.ico"), s("blocked") }, true },
        { { s("export"), name, s("{size}/{stem}.ico"), s("16/q.ico"), s(".") }, true },
        // The full tool's: a usage error, or what the front end does not parse.
        { { s("export"), s("a.ico"), s("a.ico"), s("out") }, false },
        { { s("export"), name, s("icon.png"), s("a.ico"), s("out") }, false },
        { { s("export"), name, s("{bad}-{size}"), s("a.ico"), s("out") }, false },
        { { s("export"), name, s("{size}"), name, s("x{size}"), s("a.ico"), s("out") }, false },
        { { s("export"), name, s("-{size}"), s("a.ico"), s("out") }, false },
        { { s("export"), name }, false },
        { { s("export"), s("a.ico") }, false },
        { { s("export"), s(""), s("out") }, false },
        { { s("export"), s("--json"), s("a.ico"), s("out") }, false },
        { { s("export"), s("-h") }, false },
        { { name, s("{size}.png"), s("export"), s("a.ico"), s("out") }, false },
        { { s("export"), s("-"), s("out") }, false, true },
        { { s("info"), s("a.ico") }, false },
        { { s("create"), s("made.ico"), s("out") }, false },
        { { s("import"), s("b.ico"), s("imported.ico") }, false },
        { { s("import"), s("b.ico"), s("imported.ico"), s("-qmljsdebugger=port:5555") }, false },
        { {}, false },
    };
    const QByteArray icon = ReadFile(QStringLiteral(PIXMORA_TEST_DATA "/ours-16-32-48.ico"));
    // How many cases ended with each status, by who ran them: the table must hold successes and
    // failures run by the front end, and usage errors handed over.
    std::array<int, 4> ran {}, handed {};
    for (const Case& c : cases) {
        const std::string line = c.args.join(u' ').toStdString();
        const QByteArray input = c.fromStdin ? icon : QByteArray();
        const Outcome front = RunIn(QStringLiteral(PIXMORA_CLI_PATH), c.args, input, true);
        const Outcome full = RunIn(QStringLiteral(PIXMORA_CLI_COMMANDS_PATH), c.args, input, false);
        EXPECT_EQ(front.run.code, full.run.code) << line;
        EXPECT_EQ(front.run.out.toStdString(), full.run.out.toStdString()) << line;
        EXPECT_EQ(front.run.err.toStdString(), full.run.err.toStdString()) << line;
        EXPECT_TRUE(front.files == full.files) << line;
        EXPECT_EQ(front.mappedQt, !c.quick) << line;
        ++(c.quick ? ran : handed)[std::size_t(full.run.code)];
    }
    EXPECT_EQ(ran, (std::array<int, 4> { 10, 8, 0, 0 }));
    EXPECT_EQ(handed, (std::array<int, 4> { 7, 2, 8, 0 }));
}

// Names are passed on as bytes, and only those the full tool reads back as the same bytes are
// the front end's: one that is not UTF-8, or an argument that starts with a byte order mark
// (which Qt drops), goes to the full tool even when the file is there.
TEST(QuickExport, OnlyNamesTheFullToolReadsAlikeAreTheFrontEndsOwn)
{
    QTemporaryDir root;
    const QByteArray icon = ReadFile(QStringLiteral(PIXMORA_TEST_DATA "/ours-16-32-48.ico"));
    const std::string folder = QFile::encodeName(root.path()).toStdString();
    const std::string out = folder + "/out";
    // Named by its bytes: Qt would store a name that is not UTF-8 as another one.
    const auto exportOf = [&](const std::string& name, const std::string& pattern) {
        const std::string path = folder + "/" + name;
        std::FILE* file = std::fopen(path.c_str(), "wb");
        EXPECT_TRUE(file);
        if (file) {
            std::fwrite(icon.data(), 1, std::size_t(icon.size()), file);
            std::fclose(file);
        }
        const ExportStreams ignored { [](std::string_view) {}, [](std::string_view) {} };
        const std::optional<int> status
            = RunQuickExport({ "export", "--name", pattern, path, out }, ignored);
        EXPECT_NE(status, std::optional<int>(1)) << "the file is there and can be read";
        const bool quick = status.has_value();
        std::remove(path.c_str());
        for (int side : kImageSides)
            std::remove(
                (out + "/" + pattern.substr(0, pattern.size() - 6) + std::to_string(side)).c_str());
        return quick;
    };
    const char* bom = "\xEF\xBB\xBF";
    for (const char* valid : { "plain", "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9D\x84\x9E", bom }) {
        EXPECT_TRUE(exportOf(std::string(valid) + ".ico", "{size}")) << valid;
        EXPECT_EQ(exportOf("a.ico", std::string(valid) + "{size}"), valid != bom) << valid;
    }
    for (const char* invalid :
        { "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82", "\xFF", "\x80" }) {
        EXPECT_FALSE(exportOf(std::string(invalid) + ".ico", "{size}")) << invalid;
        EXPECT_FALSE(exportOf("a.ico", std::string(invalid) + "{size}")) << invalid;
    }
}
