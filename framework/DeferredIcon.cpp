// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/DeferredIcon.h"

#include <QIconEngine>
#include <QPainter>

#include <memory>
#include <optional>

namespace {

// What all copies of one deferred icon share: how to make it, and what was made.
struct Source {
    std::function<QIcon()> make;
    std::optional<QIcon> made;

    const QIcon& Icon()
    {
        if (!made)
            made = make();
        return *made;
    }
};

class DeferredIconEngine final : public QIconEngine {
public:
    explicit DeferredIconEngine(std::shared_ptr<Source> source)
        : m_source(std::move(source))
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        // The rectangle is already the icon's own size, aligned: painting it centred in
        // itself paints it exactly there.
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(
        const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        // Asked for device pixels; the icon is asked in its own units at that scale.
        return Icon().pixmap(size / scale, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().availableSizes(mode, state);
    }
    bool isNull() override { return Icon().isNull(); }
    QString iconName() override { return Icon().name(); }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }

    // Adding pictures changes this icon only: it becomes its own, made now.
    void addPixmap(const QPixmap& pixmap, QIcon::Mode mode, QIcon::State state) override
    {
        Own().addPixmap(pixmap, mode, state);
    }
    void addFile(
        const QString& fileName, const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        Own().addFile(fileName, size, mode, state);
    }

    QIconEngine* clone() const override
    {
        if (m_own)
            return new DeferredIconEngine(std::make_shared<Source>(Source { {}, *m_own }));
        return new DeferredIconEngine(m_source);
    }

private:
    const QIcon& Icon() { return m_own ? *m_own : m_source->Icon(); }
    QIcon& Own()
    {
        if (!m_own)
            m_own = m_source->Icon();
        return *m_own;
    }

    std::shared_ptr<Source> m_source;
    std::optional<QIcon> m_own;
};

} // namespace

QIcon DeferredIcon(std::function<QIcon()> make)
{
    return QIcon(new DeferredIconEngine(std::make_shared<Source>(Source { std::move(make), {} })));
}
