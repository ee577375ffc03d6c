// SPDX-License-Identifier: GPL-3.0-or-later
// Opening an icon that holds images the editor cannot edit says so, and saving over it asks
// first; a failed save through the editor is reported and the window keeps its changes.
#include "document/IconDoc.h"
#include "framework/MDIFrameWnd.h"
#include "framework/WinApp.h"
#include "resources/Resource.h"
#include "support/AppHarness.h"
#include "support/FaultyDisk.h"
#include "support/IcoBuilder.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// What other programs write today: one 32-bit image per size.
QByteArray ThirtyTwoBitIcon()
{
    ForeignIcon icon;
    for (int side : { 16, 32, 48 }) {
        ForeignImage image;
        image.entryWidth = image.headerWidth = side;
        image.bits = 32;
        image.palette = { RGB(10, 200, 30) };
        icon.images.push_back(image);
    }
    return BuildIcon(icon);
}

} // namespace

TEST(ModernIcons, OpeningTellsWhatSavingWouldReplaceAndSavingOverItAsksFirst)
{
    AppHarness::ClearSettings();
    AppHarness h;
    QTemporaryDir dir;
    const QString ours = dir.filePath(QStringLiteral("ours.ico"));
    const QString modern = dir.filePath(QStringLiteral("modern.ico"));
    CIconDoc source;
    PaintTestPattern(source, { 32 });
    ASSERT_TRUE(WriteFile(ours, SaveToBytes(source)));
    ASSERT_TRUE(WriteFile(modern, ThirtyTwoBitIcon()));
    auto& messages = h.platform().messages;

    h.platform().openAnswers = { ours };
    h.Command(ID_FILE_OPEN);
    EXPECT_TRUE(messages.empty()) << "a file of usable images opens as it always did";

    h.platform().openAnswers = { modern };
    h.Command(ID_FILE_OPEN);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
        "This file also holds images Pixmora cannot edit (16 x 16 32-bit, 32 x 32 32-bit, "
        "48 x 48 32-bit). Saving replaces them with the 16, 32 and 48 pixel images shown here.");
    EXPECT_EQ(messages[0].caption, "icon");
    EXPECT_EQ(messages[0].style, unsigned(MB_OK | MB_ICONINFORMATION));

    CIconDoc* doc = h.ActiveDocument();
    doc->m_pixels[0][2][2] = RGB(255, 0, 0);
    doc->SetModifiedFlag(true);
    const auto save = [&](int answer) {
        messages.clear();
        h.platform().messageAnswers = { answer };
        h.Command(ID_FILE_SAVE);
    };

    save(IDNO);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith("modern.ico also holds images Pixmora cannot edit"));
    EXPECT_EQ(messages[0].style, unsigned(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(ReadFile(modern), ThirtyTwoBitIcon());
    EXPECT_TRUE(doc->IsModified());

    {
        const FailingOutput full({ 100, ENOSPC, 0 });
        save(IDYES);
    }
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, "Failed to save document.");
    EXPECT_EQ(ReadFile(modern), ThirtyTwoBitIcon());
    EXPECT_TRUE(doc->IsModified());

    save(IDYES);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(ReadFile(modern).size(), 6 + 16 + 1384);
    EXPECT_FALSE(doc->IsModified());

    // The file now holds only what is shown: nothing more to ask.
    doc->SetModifiedFlag(true);
    save(IDNO);
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(doc->IsModified());
}

TEST(ModernIcons, AFileNamedAtStartUpSpeaksOnceTheMainWindowShows)
{
    AppHarness::ClearSettings();
    QTemporaryDir dir;
    const QString modern = dir.filePath(QStringLiteral("modern.ico"));
    ASSERT_TRUE(WriteFile(modern, ThirtyTwoBitIcon()));
    bool windowShown = false;
    HarnessOptions options;
    options.prepare = [&](ScriptedPlatform& platform) {
        platform.onMessage = [&](const RecordedMessage&) {
            windowShown = AfxGetApp()->GetMainWnd() && AfxGetApp()->GetMainWnd()->isVisible();
        };
    };
    AppHarness h({ modern }, options);
    ASSERT_EQ(h.platform().messages.size(), 1u);
    EXPECT_TRUE(windowShown) << "the message waits for the main window to own it";
    EXPECT_TRUE(h.platform().messages[0].text.startsWith("This file also holds images"));
}
