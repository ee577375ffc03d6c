// SPDX-License-Identifier: GPL-3.0-or-later
// An icon whose pictures are made only when something first draws it or asks about them.
// Windows are given icons for menus and buttons no one may ever open; making each picture
// can mean decoding files and, the first time, loading every image-format plug-in installed.
#pragma once

#include <QIcon>

#include <functional>

// An icon that answers every question as make() would, calling make() once, when the first
// question is asked, for this icon and all its copies.
QIcon DeferredIcon(std::function<QIcon()> make);
