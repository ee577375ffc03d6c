// SPDX-License-Identifier: GPL-3.0-or-later
// The icon files in tests/data seed the fuzzer's corpus. Each is made by a recipe here; this
// test keeps the committed bytes equal to the recipes (so a change in the writer shows up) and
// checks that each file opens, or fails, as it should. To rebuild them after a deliberate
// change: PIXMORA_WRITE_FIXTURES=1 pixmora-tests --gtest_filter='FixtureFiles.*'
#include "support/IcoBuilder.h"
#include "support/ScriptedPlatform.h"

#include <gtest/gtest.h>

namespace {

struct Fixture {
    const char* name;
    QByteArray bytes;
    bool opens;
};

QByteArray Ours(std::initializer_list<int> sides)
{
    CIconDoc doc;
    PaintTestPattern(doc, sides, 200);
    return SaveToBytes(doc);
}

QByteArray Foreign()
{
    std::vector<COLORREF> palette;
    for (int k = 0; k < 256; ++k)
        palette.push_back(RGB(k, k * 3 % 256, 255 - k));
    palette[5] = palette[0];
    palette[9] = ICON_TRANSPARENT;
    const auto image = [&](int entryWidth, int headerWidth, int bits) {
        ForeignImage i;
        i.entryWidth = entryWidth;
        i.headerWidth = headerWidth;
        i.bits = bits;
        i.palette = palette;
        i.index = [](int x, int y) { return (x * 3 + y) % 256; };
        i.transparent = [](int x, int y) { return x == y || x + 1 == y; };
        i.maskPaddingSet = true;
        return i;
    };
    return BuildIcon({ 1,
        { image(16, 16, 4), image(32, 32, 8), image(64, 16, 8), image(32, 32, 1), image(48, 48, 4),
            image(32, 16, 8) } });
}

std::vector<Fixture> Fixtures()
{
    const QByteArray ours32 = Ours({ 32 });
    QByteArray inDirectory = Ours({ 16, 48 });
    PutDWord(inDirectory, 6 + 16 + 12, 12);
    return {
        { "ours-16-32-48.ico", Ours({ 16, 32, 48 }), true },
        { "foreign-4bit-8bit-mixed.ico", Foreign(), true },
        { "damaged-cut-short.ico", ours32.left(ours32.size() - 100), false },
        // Every byte is there: the 48 x 48 entry is skipped and the 16 x 16 image read.
        { "damaged-offset-in-directory.ico", inDirectory, true },
    };
}

} // namespace

TEST(FixtureFiles, MatchTheirRecipesAndOpenAsExpected)
{
    const bool rewrite = qEnvironmentVariableIsSet("PIXMORA_WRITE_FIXTURES");
    for (const Fixture& f : Fixtures()) {
        SCOPED_TRACE(f.name);
        const QString path = QStringLiteral(PIXMORA_TEST_DATA "/") + QLatin1String(f.name);
        if (rewrite) {
            ASSERT_TRUE(WriteFile(path, f.bytes));
        }
        EXPECT_EQ(ReadFile(path), f.bytes);

        ScopedScriptedPlatform platform;
        CIconDoc doc;
        EXPECT_EQ(doc.OnOpenDocument(path), f.opens);
        EXPECT_EQ(platform->messages.empty(), f.opens);
    }
}
