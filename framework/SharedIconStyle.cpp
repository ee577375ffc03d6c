// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/SharedIconStyle.h"

#include "framework/DeferredIcon.h"

#include <QApplication>
#include <QPointer>
#include <QStyleOption>
#include <QWidget>

SharedIconStyle::SharedIconStyle(const QString& baseStyleName)
    : QProxyStyle(baseStyleName)
{
}

namespace {

// The title bar and dock widget buttons and the toolbar extension arrows: what windows and
// palettes ask for over and over. Other pictures may come in sizes that depend on the option
// or widget asking, and are made as the style makes them.
bool Shared(QStyle::StandardPixmap picture)
{
    return (picture >= QStyle::SP_TitleBarMenuButton && picture <= QStyle::SP_DockWidgetCloseButton)
        || picture == QStyle::SP_ToolBarHorizontalExtensionButton
        || picture == QStyle::SP_ToolBarVerticalExtensionButton;
}

} // namespace

QIcon SharedIconStyle::standardIcon(
    StandardPixmap standardIcon, const QStyleOption* option, const QWidget* widget) const
{
    if (!Shared(standardIcon))
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    // The direction is all the style takes from the option for these pictures; without an
    // option it follows the application's.
    const bool rightToLeft
        = option ? option->direction == Qt::RightToLeft : QGuiApplication::isRightToLeft();
    const std::pair<int, bool> key(standardIcon, rightToLeft);
    const auto found = m_icons.find(key);
    if (found != m_icons.end())
        return found->second;
    // Made when first drawn: a document window's system menu alone asks for several that
    // only an opened menu shows, and Qt decodes them from files.
    const QIcon icon
        = DeferredIcon([style = QPointer<const SharedIconStyle>(this), standardIcon, rightToLeft] {
              QStyleOption option;
              option.direction = rightToLeft ? Qt::RightToLeft : Qt::LeftToRight;
              if (style)
                  return style->QProxyStyle::standardIcon(standardIcon, &option);
              // The style was replaced before anything drew the icon: the one now in use makes it.
              QStyle* current = QApplication::style();
              return current ? current->standardIcon(standardIcon, &option) : QIcon();
          });
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
