// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/IniText.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Text the user can put in a setting (a recent file's path, mostly) comes back unchanged, and
// the file we write reads the same for Qt's own settings reader, which earlier versions of
// the program used and other tools still use.
TEST(IniText, AnyTextSurvivesAWriteAndReadsTheSameForQtsReader)
{
    const QStringList texts = { QStringLiteral("/home/a user/ik, één\\x=1;[2].ico"),
        QStringLiteral("  leading and trailing  "), QStringLiteral("@starts with an at"),
        QStringLiteral("@Variant(looks serialized)"), QStringLiteral("quote \" and tab\t"),
        QStringLiteral("line\nbreak\r\x01\x7f"
                       "1f"),
        QStringLiteral("a,b"), QString(), QStringLiteral("日本語 ✓") };
    std::vector<IniSection> sections { { QStringLiteral("Recent File List"), {} },
        { QStringLiteral("odd/name 100%"),
            { { QStringLiteral("key/with%"), QStringLiteral("1") } } } };
    for (qsizetype i = 0; i < texts.size(); ++i)
        sections[0].entries.emplace_back(QStringLiteral("File%1").arg(i + 1), texts[i]);
    const QByteArray bytes = FormatIni(sections);

    const IniDocument read = ParseIni(bytes);
    EXPECT_FALSE(read.damaged);
    ASSERT_EQ(read.sections.size(), 2u);
    EXPECT_EQ(read.sections[1].name, "odd/name 100%");
    EXPECT_EQ(read.sections[1].entries[0].first, "key/with%");
    QTemporaryDir dir;
    const QString path = dir.filePath("store.conf");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QSettings qt(path, QSettings::IniFormat);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const QString key = QStringLiteral("File%1").arg(i + 1);
        EXPECT_EQ(read.sections[0].entries[i].second, texts[i]) << bytes.toStdString();
        const QVariant fromQt = qt.value("Recent File List/" + key);
        EXPECT_EQ(fromQt.typeId() == QMetaType::QStringList ? fromQt.toStringList().join(',')
                                                            : fromQt.toString(),
            texts[i])
            << key.toStdString();
    }
}

TEST(IniText, SerializedObjectsAndNonEntriesAreLeftOutAsDamage)
{
    const IniDocument read = ParseIni("top=1\n[S]\nnot an entry\nd=@DateTime(\\0)\n"
                                      "e=x, @Rect(1 2 3 4)\nf=\"@@Size(1 2)\"\ng=@text\n");
    EXPECT_TRUE(read.damaged);
    ASSERT_EQ(read.sections.size(), 2u);
    EXPECT_EQ(read.sections[0].name, "General");
    const std::vector<std::pair<QString, QString>> kept
        = { { "f", "@Size(1 2)" }, { "g", "@text" } };
    EXPECT_EQ(read.sections[1].entries, kept);
}
