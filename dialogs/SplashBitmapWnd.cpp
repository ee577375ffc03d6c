#include "dialogs/SplashBitmapWnd.h"

namespace {
bool g_splashEnabled = false;
}

void CSplashBitmapWnd::EnableSplash(bool enable) { g_splashEnabled = enable; }

bool CSplashBitmapWnd::IsSplashEnabled() { return g_splashEnabled; }

// The splash picture itself arrives with the splash window; until then it is never shown.
void CSplashBitmapWnd::ShowSplash(QWidget*) { }

bool CSplashBitmapWnd::SplashPreTranslate(QObject*, QEvent*) { return false; }
