// SPDX-License-Identifier: GPL-3.0-or-later
// The application's style, unchanged in every respect but one: the standard icons of title bar
// and dock widget buttons and the toolbar extension arrows are made once, when first drawn, and
// shared. Qt's styles decode these pictures afresh on every request, and a document window or a
// floating palette asks for the same few dozens of times while it is laid out.
#pragma once

#include <QProxyStyle>

#include <map>
#include <utility>

class SharedIconStyle final : public QProxyStyle {
    Q_OBJECT
public:
    // A style drawing exactly as the one named (a QStyleFactory key).
    explicit SharedIconStyle(const QString& baseStyleName);

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
        const QWidget* widget = nullptr) const override;

private:
    // By picture and by whether it was asked for right to left (the option's direction, else
    // the application's): the arrows differ.
    mutable std::map<std::pair<int, bool>, QIcon> m_icons;
};

// Makes the application's style share its standard icons, keeping whatever style the
// application uses (as chosen by the platform, -style or QT_STYLE_OVERRIDE). Does nothing
// when it already does, or when that style was not made by name.
void ShareStandardIcons();
