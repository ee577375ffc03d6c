// SPDX-License-Identifier: GPL-3.0-or-later
// CSplashBitmapWnd: the picture shown for a moment while the program starts. It closes by
// itself after kDisplayMs, or at the first key or mouse-button press anywhere in the
// application, which it swallows.
//
// At most one splash exists at a time. It is a window of its own, owned by the main frame: if
// the frame goes away first, the splash goes with it.
#pragma once

#include <QBasicTimer>
#include <QImage>
#include <QWidget>

class QEvent;
class QObject;

class CSplashBitmapWnd : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDisplayMs = 750;

    // Allows or forbids the splash for this run; set before the main frame exists, and left
    // alone (forbidden) when the program was started to open a file.
    static void EnableSplash(bool enable);
    static bool IsSplashEnabled();
    // Shows the splash over parent when allowed and none exists yet. A picture that cannot be
    // loaded means no splash.
    static void ShowSplash(QWidget* parent);
    // Offered every event before it is dispatched; true when the splash consumed it (a key or
    // mouse-button press that closed the splash).
    static bool SplashPreTranslate(QObject* watched, QEvent* event);
    // The splash now showing, or null.
    static CSplashBitmapWnd* Instance();

    ~CSplashBitmapWnd() override;
    CSplashBitmapWnd(const CSplashBitmapWnd&) = delete;
    CSplashBitmapWnd& operator=(const CSplashBitmapWnd&) = delete;

    // Closes the splash and has the main window repaint at once. The object is deleted once
    // the events in hand are through.
    void HideSplash();

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    explicit CSplashBitmapWnd(QWidget* parent);
    bool Create();
    // Over the owner when it is visible and not minimized, otherwise in the screen's work area.
    void CenterWindow();

    QImage m_bitmap;
    QBasicTimer m_timer;
};
