// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/SplashBitmapWnd.h"

#include "framework/MDIFrameWnd.h"
#include "framework/WinApp.h"
#include "resources/Artwork.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimerEvent>

namespace {

bool g_splashEnabled = false;
CSplashBitmapWnd* g_splash = nullptr;

// The presses that close the splash: a key (with or without Alt), or the left, right or middle
// button in a window's client area or on its frame.
bool IsClosingPress(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress: {
        const Qt::MouseButton button = static_cast<const QMouseEvent*>(event)->button();
        return button == Qt::LeftButton || button == Qt::RightButton || button == Qt::MiddleButton;
    }
    default:
        return false;
    }
}

} // namespace

void CSplashBitmapWnd::EnableSplash(bool enable) { g_splashEnabled = enable; }

bool CSplashBitmapWnd::IsSplashEnabled() { return g_splashEnabled; }

CSplashBitmapWnd* CSplashBitmapWnd::Instance() { return g_splash; }

void CSplashBitmapWnd::ShowSplash(QWidget* parent)
{
    if (!g_splashEnabled || g_splash)
        return;
    auto* splash = new CSplashBitmapWnd(parent);
    if (!splash->Create()) {
        delete splash;
        return;
    }
    splash->repaint();
}

bool CSplashBitmapWnd::SplashPreTranslate(QObject*, QEvent* event)
{
    if (!g_splash)
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // Claiming the key here keeps a menu accelerator from acting on it: the key then
        // arrives as a plain key press, which closes the splash and goes no further.
        event->accept();
        return true;
    }
    if (!IsClosingPress(event))
        return false;
    g_splash->HideSplash();
    return true;
}

CSplashBitmapWnd::CSplashBitmapWnd(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    g_splash = this;
}

CSplashBitmapWnd::~CSplashBitmapWnd()
{
    if (g_splash == this)
        g_splash = nullptr;
}

bool CSplashBitmapWnd::Create()
{
    m_bitmap = Artwork::SplashBitmap();
    if (m_bitmap.isNull())
        return false;
    setCursor(Qt::ArrowCursor);
    // The picture covers every pixel, so no background is painted under it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setGeometry(0, 0, m_bitmap.width(), m_bitmap.height());
    setFixedSize(m_bitmap.size());
    CenterWindow();
    m_timer.start(kDisplayMs, this);
    show();
    return true;
}

void CSplashBitmapWnd::CenterWindow()
{
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    QRect area;
    if (owner && owner->isVisible() && !owner->isMinimized()) {
        area = owner->frameGeometry();
    } else {
        const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
        if (!screen)
            return;
        area = screen->availableGeometry();
    }
    QRect placed(QPoint(0, 0), size());
    placed.moveCenter(area.center());
    move(placed.topLeft());
}

void CSplashBitmapWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_bitmap);
}

void CSplashBitmapWnd::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_timer.timerId())
        HideSplash();
    else
        QWidget::timerEvent(event);
}

void CSplashBitmapWnd::HideSplash()
{
    m_timer.stop();
    hide();
    // The splash is gone for every purpose from here on, though the object itself may be in the
    // middle of handling an event and is deleted only after it.
    if (g_splash == this)
        g_splash = nullptr;
    deleteLater();
    if (const CWinApp* app = AfxGetApp(); app && app->GetMainWnd())
        app->GetMainWnd()->repaint();
}
