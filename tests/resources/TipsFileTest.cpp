// SPDX-License-Identifier: GPL-3.0-or-later
// The tips the program ships: each fits the tip panel and tells what the program does.
#include "resources/Accelerators.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

QStringList ShippedTips()
{
    QFile file(QStringLiteral(PIXMORA_TEST_DATA "/../../resources/tips.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList tips;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        // Comments start with a space, a tab or ';'; empty lines are comments too.
        if (!line.isEmpty() && line[0] != u' ' && line[0] != u'\t' && line[0] != u';')
            tips.append(line);
    }
    return tips;
}

TEST(TipsFile, EveryTipFitsThePanelAndNamesOnlyKeysThatWork)
{
    const QStringList tips = ShippedTips();
    ASSERT_GE(tips.size(), 30);

    QSet<QString> keys;
    for (const Accelerator& accelerator : Accelerators())
        keys.insert(KeyText(accelerator.key));
    // "Ctrl+X", "Shift+F1", "F6"; "Ctrl+click" is the mouse and is left out.
    const QRegularExpression keyName(
        QStringLiteral(R"(\b(?:(?:Ctrl|Shift|Alt)\+)+[A-Za-z0-9]+\b|\bF[0-9]{1,2}\b)"));
    for (const QString& tip : tips) {
        EXPECT_LE(tip.size(), 200) << tip.toStdString();
        for (const QRegularExpressionMatch& match : keyName.globalMatch(tip)) {
            const QString key = match.captured();
            if (!key.endsWith(QStringLiteral("+click"))) {
                EXPECT_TRUE(keys.contains(key))
                    << key.toStdString() << " in: " << tip.toStdString();
            }
        }
    }
}

TEST(TipsFile, BackgroundColourIsSharedByTheThreeImages)
{
    // Ctrl+B recolours the transparent pixels of all three images together.
    int mentions = 0;
    for (const QString& tip : ShippedTips()) {
        if (!tip.contains(QStringLiteral("background colour")))
            continue;
        ++mentions;
        EXPECT_FALSE(tip.contains(QStringLiteral("own background colour"))) << tip.toStdString();
    }
    EXPECT_GE(mentions, 1);
}

} // namespace
