// SPDX-License-Identifier: GPL-3.0-or-later
// CAboutBox: the program's name, version and copyright.
#pragma once

#include <QDialog>

class CAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit CAboutBox(QWidget* parent = nullptr);
};
