// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/IdleCommandUpdates.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>

namespace {

// Events after which a command may have changed state. Paint, timer, layout and the action
// changes an update itself causes are not among them, so an update never asks for another.
bool MayChangeCommandState(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::Drop:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Close:
        return true;
    case QEvent::MouseMove:
        // A drag paints and selects; a pointer merely passing over changes nothing.
        return static_cast<const QMouseEvent*>(event)->buttons() != Qt::NoButton;
    default:
        return false;
    }
}

} // namespace

IdleCommandUpdates::IdleCommandUpdates(std::function<void()> update, QObject* parent)
    : QObject(parent)
    , m_update(std::move(update))
{
    m_pending.setSingleShot(true);
    connect(&m_pending, &QTimer::timeout, this, &IdleCommandUpdates::RunUpdate);
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &IdleCommandUpdates::MarkStale);
    m_sinceUpdate.start();
    MarkStale(); // the first states, once the start-up events are through
}

void IdleCommandUpdates::MarkStale()
{
    if (m_pending.isActive())
        return;
    // A zero interval runs after the events already queued; an update that ran a moment ago
    // waits out the rest of the interval, so a drag does not update on every move.
    const qint64 wait = kMinIntervalMs - m_sinceUpdate.elapsed();
    m_pending.start(int(std::max<qint64>(0, wait)));
}

bool IdleCommandUpdates::eventFilter(QObject* watched, QEvent* event)
{
    if (MayChangeCommandState(event))
        MarkStale();
    return QObject::eventFilter(watched, event);
}

void IdleCommandUpdates::RunUpdate()
{
    m_sinceUpdate.restart();
    m_update();
}
