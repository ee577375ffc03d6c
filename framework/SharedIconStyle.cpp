// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/SharedIconStyle.h"

#include <QApplication>
#include <QStyleOption>
#include <QWidget>

SharedIconStyle::SharedIconStyle(const QString& baseStyleName)
    : QProxyStyle(baseStyleName)
{
}

QIcon SharedIconStyle::standardIcon(
    StandardPixmap standardIcon, const QStyleOption* option, const QWidget* widget) const
{
    // The direction is all a style takes from the option and the widget for these pictures.
    const bool rightToLeft = option ? option->direction == Qt::RightToLeft
        : widget                    ? widget->isRightToLeft()
                                    : QGuiApplication::isRightToLeft();
    const std::pair<int, bool> key(standardIcon, rightToLeft);
    const auto found = m_icons.find(key);
    if (found != m_icons.end())
        return found->second;
    const QIcon icon = QProxyStyle::standardIcon(standardIcon, option, widget);
    m_icons.emplace(key, icon);
    return icon;
}

void ShareStandardIcons()
{
    QStyle* current = QApplication::style();
    if (!current || qobject_cast<SharedIconStyle*>(current))
        return;
    const QString name = current->name();
    if (name.isEmpty())
        return;
    QApplication::setStyle(new SharedIconStyle(name));
}
