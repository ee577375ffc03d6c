// SPDX-License-Identifier: GPL-3.0-or-later
#include "monkey/Monkey.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <csignal>
#include <cstdio>
#include <pthread.h>
#include <unistd.h>

namespace {

long long NowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

pthread_t g_userInterfaceThread;

// Keys a user presses, accelerators among them; the modifiers are drawn separately.
constexpr Qt::Key kKeys[] = { Qt::Key_A, Qt::Key_B, Qt::Key_C, Qt::Key_E, Qt::Key_F, Qt::Key_N,
    Qt::Key_O, Qt::Key_R, Qt::Key_S, Qt::Key_T, Qt::Key_V, Qt::Key_X, Qt::Key_Y, Qt::Key_Z,
    Qt::Key_0, Qt::Key_1, Qt::Key_5, Qt::Key_9, Qt::Key_F1, Qt::Key_F2, Qt::Key_F5, Qt::Key_F6,
    Qt::Key_F7, Qt::Key_F8, Qt::Key_F10, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
    Qt::Key_Delete, Qt::Key_Insert, Qt::Key_Home, Qt::Key_End, Qt::Key_Tab, Qt::Key_Space,
    Qt::Key_Escape, Qt::Key_Return, Qt::Key_Plus, Qt::Key_Minus };

constexpr Qt::KeyboardModifiers kModifiers[]
    = { Qt::NoModifier, Qt::NoModifier, Qt::ControlModifier, Qt::ControlModifier, Qt::ShiftModifier,
          Qt::AltModifier, Qt::ControlModifier | Qt::ShiftModifier };

constexpr Qt::MouseButton kButtons[]
    = { Qt::LeftButton, Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton };

} // namespace

Monkey::Monkey(unsigned seed, std::chrono::milliseconds hangLimit)
    : m_random(seed)
    , m_hangLimit(hangLimit)
{
    g_userInterfaceThread = pthread_self();
    m_lastEventMs = NowMs();
    m_watchdog = std::thread([this] { Watch(); });
}

Monkey::~Monkey()
{
    m_watching = false;
    m_watchdog.join();
}

void Monkey::Start()
{
    m_running = true;
    QTimer::singleShot(0, this, &Monkey::Act);
}

void Monkey::Stop() { m_running = false; }

// Runs on its own thread. The next action's timer ticks in every event loop (the main one, a
// dialog's, a menu's), so a tick missing for the whole limit means the user-interface thread is
// stuck; the abort signal is sent to that thread so the sanitizer prints where it is.
void Monkey::Watch()
{
    while (m_watching) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        const long long silent = NowMs() - m_lastEventMs;
        if (m_watching && silent > m_hangLimit.count()) {
            std::fprintf(stderr, "monkey: hang: no event processed for %lld ms\n", silent);
            std::fflush(stderr);
            pthread_kill(g_userInterfaceThread, SIGABRT);
            std::this_thread::sleep_for(std::chrono::seconds(5));
            std::_Exit(124);
        }
    }
}

QWidget* Monkey::Front()
{
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    std::vector<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->isEnabled())
            windows.push_back(widget);
    }
    if (windows.empty())
        return nullptr;
    return windows[m_random() % windows.size()];
}

QWidget* Monkey::AnyVisibleChild(QWidget* window)
{
    std::vector<QWidget*> candidates { window };
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (child->isVisible() && child->isEnabled() && child->width() > 0 && child->height() > 0)
            candidates.push_back(child);
    }
    return candidates[m_random() % candidates.size()];
}

void Monkey::Act()
{
    if (!m_running)
        return;
    m_lastEventMs = NowMs();
    // Scheduled before acting: an action that opens a dialog or a menu runs its event loop
    // inside this call, and a timer never fires again while its own call is running.
    QTimer::singleShot(4, this, &Monkey::Act);
    ++m_actions;
    QWidget* front = Front();
    if (!front)
        return;
    const bool modal = front == QApplication::activeModalWidget();
    m_sameModalFor = modal && front == m_lastModal ? m_sameModalFor + 1 : 0;
    m_lastModal = modal ? front : nullptr;
    // A file dialog could wander off and save over a real file: it is only ever cancelled.
    // Other dialogs get some random use, then Escape or Return.
    if (qobject_cast<QFileDialog*>(front) || (modal && (m_sameModalFor > 40 || Random(4) == 0))) {
        Answer(front);
        return;
    }
    if (Random(5) < 3)
        Click(front);
    else
        Type(front);
}

void Monkey::Answer(QWidget* dialog)
{
    const bool cancel = qobject_cast<QFileDialog*>(dialog) || Random(3) != 0;
    QWidget* target
        = QApplication::focusWidget() && dialog->isAncestorOf(QApplication::focusWidget())
        ? QApplication::focusWidget()
        : dialog;
    QTest::keyClick(target, cancel ? Qt::Key_Escape : Qt::Key_Return);
}

// A click, or a drag over a few points, anywhere in one of the window's widgets.
void Monkey::Click(QWidget* window)
{
    QPointer<QWidget> widget = AnyVisibleChild(window);
    const auto anywhere = [this, &widget] {
        return QPoint(Random(std::max(1, widget->width())), Random(std::max(1, widget->height())));
    };
    const Qt::MouseButton button = kButtons[Random(std::size(kButtons))];
    const Qt::KeyboardModifiers modifiers = Random(6) == 0
        ? kModifiers[Random(std::size(kModifiers))]
        : Qt::KeyboardModifiers(Qt::NoModifier);
    if (Random(8) == 0) {
        QTest::mouseDClick(widget, button, modifiers, anywhere());
        return;
    }
    QTest::mousePress(widget, button, modifiers, anywhere());
    // The press may have opened a menu or a dialog, or closed the widget.
    for (int step = Random(4); step > 0 && widget && widget->isVisible(); --step)
        QTest::mouseMove(widget, anywhere());
    if (widget && widget->isVisible())
        QTest::mouseRelease(widget, button, modifiers, anywhere());
}

void Monkey::Type(QWidget* window)
{
    QWidget* focus = QApplication::focusWidget();
    QWidget* target = focus && (focus == window || window->isAncestorOf(focus)) ? focus : window;
    QTest::keyClick(
        target, kKeys[Random(std::size(kKeys))], kModifiers[Random(std::size(kModifiers))]);
}
