// SPDX-License-Identifier: GPL-3.0-or-later
// The flat look for radio buttons and check boxes: a plain one-pixel outline instead of the
// sunken, shaded indicator.
#pragma once

class QStyle;

// One shared style for the process (owned by the application object); give it to each flat
// button with QWidget::setStyle.
QStyle* FlatButtonStyle();
