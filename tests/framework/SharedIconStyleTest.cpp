// SPDX-License-Identifier: GPL-3.0-or-later
// The style that shares its standard icons: every picture, either way round, is the one the
// plain style makes, and asking again for a title bar button gives the same icon rather than a
// new decoding.
#include "framework/SharedIconStyle.h"

#include <QApplication>
#include <QImage>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

QImage Picture(const QIcon& icon) { return icon.pixmap(QSize(16, 16)).toImage(); }

// The name of the style the application draws with, shared or not.
QString PlainStyleName()
{
    QStyle* style = QApplication::style();
    if (auto* proxy = qobject_cast<QProxyStyle*>(style))
        style = proxy->baseStyle();
    return style->name();
}

} // namespace

TEST(SharedIconStyle, GivesThePlainStylesPicturesEachWayRoundAndSharesThem)
{
    const QString name = PlainStyleName();
    ASSERT_FALSE(name.isEmpty());
    const std::unique_ptr<QStyle> plain(QStyleFactory::create(name));
    SharedIconStyle shared(name);
    QStyleOption leftToRight;
    leftToRight.direction = Qt::LeftToRight;
    QStyleOption rightToLeft;
    rightToLeft.direction = Qt::RightToLeft;
    QWidget mirrored;
    mirrored.setLayoutDirection(Qt::RightToLeft);

    int differEachWayRound = 0;
    for (int i = QStyle::SP_TitleBarMenuButton; i <= QStyle::SP_LineEditClearButton; ++i) {
        const auto sp = QStyle::StandardPixmap(i);
        // The mirrored answer asked first, so a cache keyed on the picture alone would give it
        // for the plain request too.
        const QIcon rtl = shared.standardIcon(sp, &rightToLeft);
        const QIcon ltr = shared.standardIcon(sp, &leftToRight);
        EXPECT_EQ(Picture(rtl), Picture(plain->standardIcon(sp, &rightToLeft))) << "picture " << i;
        EXPECT_EQ(Picture(ltr), Picture(plain->standardIcon(sp, &leftToRight))) << "picture " << i;
        // Without an option the style goes by the application's direction, not the widget's.
        const QIcon fromWidget = shared.standardIcon(sp, nullptr, &mirrored);
        const QIcon plainFromWidget = plain->standardIcon(sp, nullptr, &mirrored);
        EXPECT_EQ(Picture(fromWidget), Picture(plainFromWidget)) << "picture " << i;
        // Shared or not, an icon answers every question as the plain style's does.
        EXPECT_EQ(fromWidget.isNull(), plainFromWidget.isNull()) << "picture " << i;
        EXPECT_EQ(fromWidget.availableSizes(), plainFromWidget.availableSizes()) << "picture " << i;
        EXPECT_EQ(fromWidget.actualSize(QSize(13, 13)), plainFromWidget.actualSize(QSize(13, 13)))
            << "picture " << i;
        differEachWayRound += Picture(rtl) != Picture(ltr);
    }
    // The arrows point the other way: the check above did tell the two directions apart.
    EXPECT_GT(differEachWayRound, 0);

    // What windows and palettes ask for over and over is made once.
    for (const auto sp : { QStyle::SP_TitleBarCloseButton, QStyle::SP_DockWidgetCloseButton,
             QStyle::SP_TitleBarMenuButton, QStyle::SP_ToolBarHorizontalExtensionButton })
        EXPECT_EQ(shared.standardIcon(sp, &leftToRight).cacheKey(),
            shared.standardIcon(sp, nullptr, &mirrored).cacheKey())
            << "picture " << sp;
}

TEST(SharedIconStyle, BecomesTheApplicationsStyleOnceKeepingItsKind)
{
    const QString name = PlainStyleName();
    ShareStandardIcons();
    QStyle* installed = QApplication::style();
    ASSERT_NE(qobject_cast<SharedIconStyle*>(installed), nullptr);
    EXPECT_EQ(qobject_cast<QProxyStyle*>(installed)->baseStyle()->name(), name);
    ShareStandardIcons();
    EXPECT_EQ(QApplication::style(), installed);
}

// Its icons are made when first drawn, which may be after the style itself is gone.
TEST(SharedIconStyle, IconsOutliveTheStyleThatGaveThem)
{
    const QString name = PlainStyleName();
    const std::unique_ptr<QStyle> plain(QStyleFactory::create(name));
    auto shared = std::make_unique<SharedIconStyle>(name);
    const QIcon icon = shared->standardIcon(QStyle::SP_TitleBarCloseButton);
    shared.reset();
    EXPECT_EQ(Picture(icon), Picture(plain->standardIcon(QStyle::SP_TitleBarCloseButton)));
}
