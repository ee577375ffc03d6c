// SPDX-License-Identifier: GPL-3.0-or-later
// The splash window: when it may show, where, and what closes it; and the first key press of a
// freshly started editor, which only closes the splash.
#include "dialogs/SplashBitmapWnd.h"

#include "frame/MainFrame.h"
#include "resources/Artwork.h"
#include "resources/Resource.h"
#include "support/AppHarness.h"
#include "support/ScriptedPlatform.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

class SplashTest : public testing::Test {
protected:
    void SetUp() override { CSplashBitmapWnd::EnableSplash(true); }
    void TearDown() override
    {
        if (CSplashBitmapWnd* splash = CSplashBitmapWnd::Instance())
            splash->HideSplash();
        QApplication::processEvents();
        CSplashBitmapWnd::EnableSplash(false);
    }
    // A stand-in for the main frame, not yet shown, as at start-up.
    std::unique_ptr<QWidget> m_owner = std::make_unique<QWidget>();
};

std::unique_ptr<QEvent> Mouse(QEvent::Type type, Qt::MouseButton button)
{
    return std::make_unique<QMouseEvent>(
        type, QPointF(5, 5), QPointF(5, 5), button, button, Qt::NoModifier);
}

std::unique_ptr<QEvent> Key(
    QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    return std::make_unique<QKeyEvent>(type, key, modifiers);
}

bool Offer(const std::unique_ptr<QEvent>& event)
{
    return CSplashBitmapWnd::SplashPreTranslate(nullptr, event.get());
}

TEST_F(SplashTest, ShownOnlyWhenAllowedAndOnlyOnce)
{
    CSplashBitmapWnd::EnableSplash(false);
    CSplashBitmapWnd::ShowSplash(m_owner.get());
    EXPECT_EQ(CSplashBitmapWnd::Instance(), nullptr);

    CSplashBitmapWnd::EnableSplash(true);
    CSplashBitmapWnd::ShowSplash(m_owner.get());
    CSplashBitmapWnd* splash = CSplashBitmapWnd::Instance();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_TRUE(splash->isWindow());
    EXPECT_EQ(splash->size(), Artwork::SplashBitmap().size());
    // The owner is hidden, so the splash is centred on the screen's work area.
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(std::abs(splash->geometry().center().x() - area.center().x()), 1);
    EXPECT_LE(std::abs(splash->geometry().center().y() - area.center().y()), 1);
    // It shows the picture.
    EXPECT_EQ(
        splash->grab().toImage().convertToFormat(QImage::Format_RGB32), Artwork::SplashBitmap());

    CSplashBitmapWnd::ShowSplash(m_owner.get());
    EXPECT_EQ(CSplashBitmapWnd::Instance(), splash);
}

TEST_F(SplashTest, ClosesByItselfAfterAMoment)
{
    CSplashBitmapWnd::ShowSplash(m_owner.get());
    QPointer<CSplashBitmapWnd> splash = CSplashBitmapWnd::Instance();
    ASSERT_TRUE(splash);
    QTest::qWait(CSplashBitmapWnd::kDisplayMs / 3);
    EXPECT_EQ(CSplashBitmapWnd::Instance(), splash.data());
    // Deleted once closed, not merely hidden.
    EXPECT_TRUE(QTest::qWaitFor([&] { return splash.isNull(); }, 5000));
    EXPECT_EQ(CSplashBitmapWnd::Instance(), nullptr);
}

TEST_F(SplashTest, FirstKeyOrButtonPressClosesItAndIsSwallowed)
{
    CSplashBitmapWnd::ShowSplash(m_owner.get());
    ASSERT_NE(CSplashBitmapWnd::Instance(), nullptr);
    // Neither movement, releases, nor other buttons close it.
    EXPECT_FALSE(Offer(Mouse(QEvent::MouseMove, Qt::NoButton)));
    EXPECT_FALSE(Offer(Mouse(QEvent::MouseButtonRelease, Qt::LeftButton)));
    EXPECT_FALSE(Offer(Mouse(QEvent::MouseButtonPress, Qt::BackButton)));
    EXPECT_FALSE(Offer(Key(QEvent::KeyRelease, Qt::Key_A)));
    EXPECT_NE(CSplashBitmapWnd::Instance(), nullptr);

    std::vector<std::unique_ptr<QEvent>> closing;
    closing.push_back(Key(QEvent::KeyPress, Qt::Key_A));
    closing.push_back(Key(QEvent::KeyPress, Qt::Key_F, Qt::AltModifier));
    for (Qt::MouseButton button : { Qt::LeftButton, Qt::RightButton, Qt::MiddleButton })
        closing.push_back(Mouse(QEvent::MouseButtonPress, button));
    closing.push_back(Mouse(QEvent::NonClientAreaMouseButtonPress, Qt::LeftButton));
    for (const auto& event : closing) {
        SCOPED_TRACE(event->type());
        CSplashBitmapWnd::ShowSplash(m_owner.get());
        QPointer<CSplashBitmapWnd> splash = CSplashBitmapWnd::Instance();
        ASSERT_TRUE(splash);
        EXPECT_TRUE(Offer(event));
        EXPECT_EQ(CSplashBitmapWnd::Instance(), nullptr);
        EXPECT_FALSE(splash->isVisible());
        // The next press is no business of the splash's.
        EXPECT_FALSE(Offer(event));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(splash.isNull());
    }
}

TEST_F(SplashTest, OwnerGoingFirstTakesTheSplashAlong)
{
    CSplashBitmapWnd::ShowSplash(m_owner.get());
    ASSERT_NE(CSplashBitmapWnd::Instance(), nullptr);
    m_owner.reset();
    EXPECT_EQ(CSplashBitmapWnd::Instance(), nullptr);
    EXPECT_FALSE(Offer(Key(QEvent::KeyPress, Qt::Key_A)));
    QTest::qWait(CSplashBitmapWnd::kDisplayMs + 100); // no timer left to fire on a dead window
}

// ---------------------------------------------------------------------------------------
// In the running editor.

class SplashAppTest : public SplashTest {
protected:
    void SetUp() override
    {
        SplashTest::SetUp();
        AppHarness::ClearSettings();
    }
    static HarnessOptions KeepSplash()
    {
        HarnessOptions options;
        options.keepSplash = true;
        return options;
    }
};

TEST_F(SplashAppTest, ShownAtStartUpUnlessEmbeddedOrOpeningAFile)
{
    {
        AppHarness h({}, KeepSplash());
        ASSERT_TRUE(h.started());
        CSplashBitmapWnd* splash = CSplashBitmapWnd::Instance();
        ASSERT_NE(splash, nullptr);
        EXPECT_EQ(splash->parentWidget(), &h.frame());
        // Gone with the main frame, should the editor close first.
    }
    EXPECT_EQ(CSplashBitmapWnd::Instance(), nullptr);

    for (const QString& argument :
        { QStringLiteral("-Embedding"), QStringLiteral(PIXMORA_TEST_DATA "/ours-16-32-48.ico") }) {
        AppHarness h({ argument }, KeepSplash());
        ASSERT_TRUE(h.started());
        EXPECT_EQ(CSplashBitmapWnd::Instance(), nullptr);
    }
}

TEST_F(SplashAppTest, FirstKeyOnlyClosesTheSplashTheNextOneActs)
{
    AppHarness h({}, KeepSplash());
    ASSERT_TRUE(h.started());
    ASSERT_NE(CSplashBitmapWnd::Instance(), nullptr);
    CMainFrame& frame = h.frame();
    QApplication::setActiveWindow(&frame);
    ASSERT_TRUE(h.IsChecked(ID_VIEW_32));

    // F6 is the accelerator of the 16 x 16 image: swallowed while the splash shows.
    QTest::keyClick(&frame, Qt::Key_F6);
    EXPECT_EQ(CSplashBitmapWnd::Instance(), nullptr);
    EXPECT_TRUE(h.IsChecked(ID_VIEW_32));

    QTest::keyClick(&frame, Qt::Key_F6);
    EXPECT_TRUE(h.IsChecked(ID_VIEW_16));
}

} // namespace
