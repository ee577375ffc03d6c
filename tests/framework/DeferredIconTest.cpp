// SPDX-License-Identifier: GPL-3.0-or-later
// A deferred icon is made on the first question about it, once for all its copies, and then
// answers and paints exactly as the icon made directly.
#include "framework/DeferredIcon.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <gtest/gtest.h>

namespace {

QIcon TwoSizes()
{
    QIcon icon;
    for (int side : { 16, 32 }) {
        QImage image(side, side, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.fillRect(side / 4, 0, side / 2, side, side == 16 ? Qt::red : Qt::blue);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

QImage Painted(const QIcon& icon, const QRect& rect, QIcon::Mode mode)
{
    QImage image(40, 40, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    icon.paint(&painter, rect, Qt::AlignCenter, mode);
    return image;
}

} // namespace

TEST(DeferredIcon, IsMadeOnceOnFirstUseAndAnswersAsTheIconItself)
{
    int made = 0;
    const QIcon direct = TwoSizes();
    const QIcon deferred = DeferredIcon([&made] {
        ++made;
        return TwoSizes();
    });
    const QIcon copy = deferred;
    EXPECT_EQ(made, 0);

    EXPECT_EQ(copy.availableSizes(), direct.availableSizes());
    EXPECT_EQ(made, 1);
    EXPECT_FALSE(deferred.isNull());
    for (const QSize size : { QSize(16, 16), QSize(20, 20), QSize(32, 32), QSize(64, 64) }) {
        EXPECT_EQ(deferred.actualSize(size), direct.actualSize(size)) << size.width();
        for (const QIcon::Mode mode : { QIcon::Normal, QIcon::Disabled, QIcon::Selected })
            EXPECT_EQ(deferred.pixmap(size, mode).toImage(), direct.pixmap(size, mode).toImage())
                << size.width() << " mode " << mode;
    }
    for (const QRect rect : { QRect(0, 0, 40, 40), QRect(3, 5, 20, 11), QRect(2, 2, 16, 16) })
        for (const QIcon::Mode mode : { QIcon::Normal, QIcon::Disabled })
            EXPECT_EQ(Painted(copy, rect, mode), Painted(direct, rect, mode)) << rect.width();
    EXPECT_EQ(made, 1);
}

TEST(DeferredIcon, AddingToACopyLeavesTheOthersAndAnEmptyIconIsNull)
{
    const QIcon deferred = DeferredIcon(TwoSizes);
    QIcon extended = deferred;
    QPixmap big(48, 48);
    big.fill(Qt::green);
    extended.addPixmap(big);
    EXPECT_EQ(extended.availableSizes().size(), 3);
    EXPECT_EQ(deferred.availableSizes().size(), 2);
    EXPECT_EQ(QIcon(extended).pixmap(48, 48).toImage(), big.toImage());

    EXPECT_TRUE(DeferredIcon([] { return QIcon(); }).isNull());
}
