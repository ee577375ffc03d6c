// SPDX-License-Identifier: GPL-3.0-or-later
// Saving through the document: the nothing-drawn check and failed writes never touch the file
// already on disk.
#include "support/IcoBuilder.h"
#include "support/ScriptedPlatform.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
const QByteArray kOldContents = QByteArrayLiteral("the file that was here before");
}

TEST(IconDocSave, NothingDrawnShowsTheErrorAndLeavesTheFileAlone)
{
    QTemporaryDir dir;
    const QString existing = dir.filePath(QStringLiteral("old.ico"));
    const QString absent = dir.filePath(QStringLiteral("new.ico"));
    ASSERT_TRUE(WriteFile(existing, kOldContents));

    CIconDoc doc;
    // A cell painted with the transparent value is not a drawing.
    doc.m_pixels[1][5][5] = RGB(1, 2, 3);
    doc.SetModifiedFlag(true);
    ScopedScriptedPlatform platform;
    EXPECT_FALSE(doc.OnSaveDocument(existing));
    EXPECT_FALSE(doc.OnSaveDocument(absent));

    ASSERT_EQ(platform->messages.size(), 2u);
    const RecordedMessage& m = platform->messages[0];
    EXPECT_EQ(m.caption, QStringLiteral("Error"));
    EXPECT_EQ(
        m.text, QStringLiteral("You have not drawn any icons\nThe icon file will not be written."));
    EXPECT_EQ(m.style & 0xF0, unsigned(MB_ICONSTOP));
    EXPECT_EQ(m.style & 0x0F, unsigned(MB_OK));
    EXPECT_EQ(ReadFile(existing), kOldContents);
    EXPECT_FALSE(QFileInfo::exists(absent));
    EXPECT_TRUE(doc.IsModified());
}

TEST(IconDocSave, AFailedWriteKeepsTheOldFile)
{
    // The file is replaced through a temporary file beside it. A name at the file system's
    // length limit leaves no room for the temporary name, so the write fails even for root,
    // who could write into a read-only directory.
    QTemporaryDir dir;
    const QString path = dir.filePath(QString(250, u'a') + QStringLiteral(".ico"));
    ASSERT_TRUE(WriteFile(path, kOldContents));

    CIconDoc doc;
    PaintTestPattern(doc, { 32 });
    doc.SetModifiedFlag(true);
    ScopedScriptedPlatform platform;
    EXPECT_FALSE(doc.OnSaveDocument(path));
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].text, QStringLiteral("Failed to save document."));
    EXPECT_EQ(ReadFile(path), kOldContents);
    EXPECT_TRUE(doc.IsModified());
}
