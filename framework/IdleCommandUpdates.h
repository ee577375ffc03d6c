// SPDX-License-Identifier: GPL-3.0-or-later
// IdleCommandUpdates: keeps the command buttons and items current without polling. A command's
// state changes only when something happens: the user's input, a window appearing or
// closing, the clipboard changing hands. Each of those marks the states stale, and one update
// runs once the events of the moment have been handled, at most one per interval. While
// nothing happens, nothing runs and the process sleeps.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

class IdleCommandUpdates : public QObject {
public:
    static constexpr int kMinIntervalMs = 100;

    // Watches the whole application from now on; `update` refreshes every command's state.
    IdleCommandUpdates(std::function<void()> update, QObject* parent);

    // Asks for an update after the events of the moment, as a real event does.
    void MarkStale();
    // True while an update is due and not yet run.
    bool IsPending() const { return m_pending.isActive(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RunUpdate();

    std::function<void()> m_update;
    QElapsedTimer m_sinceUpdate;
    QTimer m_pending;
};
