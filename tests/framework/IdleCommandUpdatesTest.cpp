// SPDX-License-Identifier: GPL-3.0-or-later
// Command states are refreshed after what may change them and never while nothing happens:
// an idle editor must not wake up.
#include "framework/IdleCommandUpdates.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

TEST(IdleCommandUpdates, RunOnceAfterEachRealEventAndNeverWhileIdle)
{
    int updates = 0;
    QObject owner;
    auto* idle = new IdleCommandUpdates([&updates] { ++updates; }, &owner);
    const auto settle = [&] {
        for (int i = 0; i < 50 && idle->IsPending(); ++i)
            QTest::qWait(10);
        QCoreApplication::processEvents();
    };

    settle();
    EXPECT_EQ(updates, 1) << "the first states are set once the start-up events are through";

    // Nothing happens: no update, and nothing left that would wake the loop for one.
    QTest::qWait(2 * IdleCommandUpdates::kMinIntervalMs);
    EXPECT_EQ(updates, 1);
    EXPECT_FALSE(idle->IsPending());

    // A key press, then a burst of presses: one update each time, after the interval.
    QWidget widget;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
    EXPECT_TRUE(idle->IsPending());
    settle();
    EXPECT_EQ(updates, 2);
    for (int i = 0; i < 20; ++i)
        QApplication::sendEvent(&widget, &press);
    settle();
    EXPECT_EQ(updates, 3);

    // Painting and the pointer passing over change nothing a command depends on.
    QEvent paint(QEvent::UpdateRequest);
    QApplication::sendEvent(&widget, &paint);
    QMouseEvent hover(QEvent::MouseMove, QPointF(1, 1), QPointF(1, 1), Qt::NoButton, Qt::NoButton,
        Qt::NoModifier);
    QApplication::sendEvent(&widget, &hover);
    EXPECT_FALSE(idle->IsPending());

    // The clipboard changing hands can enable Paste.
    QGuiApplication::clipboard()->setText(QStringLiteral("changed"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(idle->IsPending());
    settle();
    EXPECT_EQ(updates, 4);
}
