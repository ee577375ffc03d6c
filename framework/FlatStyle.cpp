// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/FlatStyle.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>

namespace {

class FlatIndicatorStyle final : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget) const override
    {
        if (element == PE_IndicatorRadioButton || element == PE_IndicatorCheckBox)
            drawFlatIndicator(element == PE_IndicatorRadioButton, *option, *painter);
        else
            QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

private:
    static void drawFlatIndicator(bool round, const QStyleOption& option, QPainter& painter)
    {
        const bool enabled = option.state & State_Enabled;
        const bool pressed = option.state & State_Sunken;
        const QColor ink = option.palette.color(QPalette::WindowText);
        const QColor face
            = option.palette.color(enabled && !pressed ? QPalette::Base : QPalette::Window);
        const QRectF box = QRectF(option.rect).adjusted(0.5, 0.5, -0.5, -0.5);

        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, round);
        painter.setPen(ink);
        painter.setBrush(face);
        if (round)
            painter.drawEllipse(box);
        else
            painter.drawRect(box);

        if (option.state & (State_On | State_NoChange)) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(ink);
            const qreal inset = box.width() / (round ? 3.5 : 4.0);
            const QRectF mark = box.adjusted(inset, inset, -inset, -inset);
            if (round)
                painter.drawEllipse(mark);
            else if (option.state & State_NoChange)
                painter.fillRect(mark, QBrush(ink, Qt::Dense4Pattern));
            else
                drawCheckMark(painter, mark, ink);
        }
        painter.restore();
    }

    static void drawCheckMark(QPainter& painter, const QRectF& area, const QColor& ink)
    {
        QPen pen(ink, std::max<qreal>(1.0, area.width() / 4.0));
        painter.setPen(pen);
        painter.setRenderHint(QPainter::Antialiasing, true);
        const QPointF points[] = { { area.left(), area.center().y() },
            { area.left() + area.width() / 3.0, area.bottom() }, { area.right(), area.top() } };
        painter.drawPolyline(points, 3);
    }
};

} // namespace

QStyle* FlatButtonStyle()
{
    static QPointer<FlatIndicatorStyle> style;
    if (!style) {
        style = new FlatIndicatorStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}
