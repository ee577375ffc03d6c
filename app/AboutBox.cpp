// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AboutBox.h"

#include "framework/DialogUnits.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

CAboutBox::CAboutBox(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral(" About Pixmora"));
    setWindowFlags(
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    const DialogUnits du(font());
    setFixedSize(du.Size(190, 29));

    auto* icon = new QLabel(this);
    icon->setGeometry(du.Rect(6, 3, 21, 20));
    icon->setPixmap(windowIcon().pixmap(32, 32));
    icon->setObjectName(QStringLiteral("icon"));

    auto* version = new QLabel(QStringLiteral("Pixmora Version 1.0"), this);
    version->setTextFormat(Qt::PlainText);
    version->setGeometry(du.Rect(33, 3, 111, 8));

    auto* copyright = new QLabel(QStringLiteral("Copyright \u00A9 2026 Pixmora"), this);
    copyright->setGeometry(du.Rect(33, 15, 111, 8));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(du.Rect(150, 6, 32, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
