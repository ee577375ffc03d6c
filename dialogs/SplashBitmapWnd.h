// The splash window's start-up hooks: whether it may show, showing it while the main frame is
// created, and the application-wide filter that closes it at the first key or button press.
#pragma once

#include <QObject>

class QWidget;

class CSplashBitmapWnd {
public:
    // Allows or forbids the splash for this run; set once, before the main frame exists.
    static void EnableSplash(bool enable);
    static bool IsSplashEnabled();
    // Shows the splash over parent when allowed.
    static void ShowSplash(QWidget* parent);
    // Offered every event before it is dispatched; true when the splash consumed it.
    static bool SplashPreTranslate(QObject* watched, QEvent* event);
};
