// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AboutBox.h"

namespace {

using enum ControlKind;

constexpr DialogControl kControls[] = {
    { 0, Icon, "", 6, 3, 21, 20 },
    { 0, StaticText, "Pixmora Version 1.0", 33, 3, 111, 8 },
    { 0, StaticText, "Copyright \xA9 2026 Pixmora", 33, 15, 111, 8 },
    { IDOK, DefPushButton, "OK", 150, 6, 32, 14 },
};
constexpr DialogTemplate kTemplate { " About Pixmora", 190, 29, kControls };

} // namespace

CAboutBox::CAboutBox(QWidget* parent)
    : CDialog(kTemplate, parent,
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
}
