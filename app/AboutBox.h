// SPDX-License-Identifier: GPL-3.0-or-later
// CAboutBox: the program's name, version and copyright.
#pragma once

#include "framework/Dialog.h"

class CAboutBox : public CDialog {
    Q_OBJECT
public:
    explicit CAboutBox(QWidget* parent = nullptr);
};
