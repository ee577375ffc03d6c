// SPDX-License-Identifier: GPL-3.0-or-later
// Saving through the document: the nothing-drawn check and failed writes never touch the file
// already on disk, whether the disk is full, over quota, failing or gone, and every failure is
// reported.
#include "support/FaultyDisk.h"
#include "support/IcoBuilder.h"
#include "support/ScriptedPlatform.h"

#include <QDir>
#include <QFile>
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

namespace {

// The old file a save must leave alone: a 32 x 32 icon of ours.
QByteArray OldIcon()
{
    CIconDoc old;
    PaintTestPattern(old, { 32 }, 7);
    return SaveToBytes(old);
}

// A modified document with all three images drawn: 7406 bytes, more than a page.
struct ModifiedDocument {
    ModifiedDocument()
    {
        PaintTestPattern(doc, { 16, 32, 48 });
        doc.SetModifiedFlag(true);
    }
    CIconDoc doc;
};

// What every failed save must show: the framework's message, the old bytes, nothing else in
// the directory, and a document that still has unsaved changes.
void ExpectFailedSave(ScriptedPlatform& platform, CIconDoc& doc, const QString& path,
    const QByteArray& oldBytes, const QStringList& entriesAfter)
{
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("Failed to save document."));
    EXPECT_EQ(ReadFile(path), oldBytes);
    EXPECT_EQ(EntriesIn(QFileInfo(path).absolutePath()), entriesAfter);
    EXPECT_TRUE(doc.IsModified());
}

} // namespace

TEST(IconDocSave, AFullDiskKeepsTheOldFileAndSaysSo)
{
    for (const std::size_t freeBytes : { std::size_t(0), std::size_t(4096) }) {
        SCOPED_TRACE(freeBytes);
        SmallFileSystem disk(64 * 1024);
        if (!disk.Mounted())
            GTEST_SKIP() << "no small file system to fill: " << disk.WhyNot().toStdString();
        const QString path = disk.FilePath(QStringLiteral("x.ico"));
        ASSERT_TRUE(WriteFile(path, OldIcon()));
        ASSERT_TRUE(disk.FillLeaving(freeBytes));

        ModifiedDocument m;
        ScopedScriptedPlatform platform;
        EXPECT_FALSE(m.doc.OnSaveDocument(path));
        ExpectFailedSave(*platform, m.doc, path, OldIcon(), { "filler", "x.ico" });
        EXPECT_EQ(disk.FreeBytes(), freeBytes) << "the space the attempt took is given back";
    }
}

TEST(IconDocSave, WriteAndSyncFailuresBelowTheDocumentKeepTheOldFile)
{
    struct Case {
        const char* name;
        FailingOutput::Plan plan;
        rlim_t fileSizeLimit = RLIM_INFINITY;
    };
    const std::vector<Case> cases = {
        { "disk full at once", { 0, ENOSPC, 0 } },
        { "disk full after a page", { 4096, ENOSPC, 0 } },
        { "quota reached", { 100, EDQUOT, 0 } },
        { "a write that moves nothing", { 1000, 0, 0 } },
        { "device error on sync", { SIZE_MAX, 0, EIO } },
        // Not injected: the kernel refuses the bytes past the limit.
        { "file size limit", { SIZE_MAX, 0, 0 }, 4096 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("x.ico"));
        ASSERT_TRUE(WriteFile(path, OldIcon()));
        ModifiedDocument m;
        ScopedScriptedPlatform platform;
        {
            const FailingOutput failing(c.plan);
            const FileSizeLimit limit(c.fileSizeLimit);
            EXPECT_FALSE(m.doc.OnSaveDocument(path));
        }
        ExpectFailedSave(*platform, m.doc, path, OldIcon(), { "x.ico" });
    }
}

TEST(IconDocSave, ADirectoryRemovedSinceOpeningIsReportedNotRecreated)
{
    QTemporaryDir parent;
    const QString folder = parent.filePath(QStringLiteral("icons"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/x.ico");
    ASSERT_TRUE(WriteFile(path, OldIcon()));

    CIconDoc doc;
    ScopedScriptedPlatform platform;
    ASSERT_TRUE(doc.OnOpenDocument(path));
    doc.SetPathName(path);
    doc.m_pixels[0][1][1] = RGB(9, 9, 9);
    doc.SetModifiedFlag(true);
    ASSERT_TRUE(QDir(folder).removeRecursively());

    EXPECT_FALSE(doc.OnSaveDocument(path));
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].text, QStringLiteral("Failed to save document."));
    EXPECT_FALSE(QFileInfo::exists(folder));
    EXPECT_TRUE(EntriesIn(parent.path()).isEmpty());
    EXPECT_TRUE(doc.IsModified());
}
