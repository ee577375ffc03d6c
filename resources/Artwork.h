// SPDX-License-Identifier: GPL-3.0-or-later
// The program's pictures: toolbar bitmaps, the swap button, the splash picture, the tip bulb and
// the application icon. They are drawn by resources/tools/make_artwork.py in the 16-colour
// palette and compiled into the program from resources/artwork.qrc.
//
// Toolbar images are transparent where the button face shows through; the swap button, the bulb
// and the splash picture are opaque, because they are copied onto surfaces as they are.
#pragma once

#include <QIcon>
#include <QImage>
#include <QSize>

namespace Artwork {

// Resource ids, as the frame and the views ask for them.
constexpr int kCommandsToolbar = 128; // 18 images of 16 x 15
constexpr int kBrushSizesToolbar = 199; // 4 images of 13 x 13
constexpr int kToolsToolbar = 200; // 16 images of 21 x 21
constexpr int kSplashBitmap = 103; // 520 x 317
constexpr int kTipBulbBitmap = 104; // 40 x 53
constexpr int kSwapBitmap = 135; // 19 x 19

// Size of one button image of a toolbar, and the number of images (one per button that is not
// a separator, left to right). An empty size and 0 for an id that is no toolbar.
QSize ToolbarButtonSize(int toolbarId);
int ToolbarButtonCount(int toolbarId);

// The toolbar bitmap: every button image side by side, ToolbarButtonCount() times
// ToolbarButtonSize() wide. A null image for an id that is no toolbar.
QImage ToolbarStrip(int toolbarId);
// The image of button `index` (counting only non-separator buttons) and the same as an icon
// for an action; null when the toolbar or the index does not exist.
QImage ToolbarButtonImage(int toolbarId, int index);
QIcon ToolbarButtonIcon(int toolbarId, int index);

// A bitmap resource by id: the splash picture (103), the tip of the day's bulb (104), the swap
// button (135) or a toolbar strip (128, 199, 200). A null image for any other id, so callers can
// treat it as a failed load.
QImage Bitmap(int id);
QImage SwapBitmap();
QImage SplashBitmap();
QImage TipBulbBitmap();

// The application icon (icon resources 128 and 129) with its 16, 32 and 48 pixel images.
QIcon AppIcon();
// One image of the application icon; null for a side other than 16, 32 or 48.
QImage AppIconImage(int side);
// The resource path of the icon in the editor's own file format (pixmora.ico).
QString AppIconFilePath();

} // namespace Artwork
