// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/Menus.h"

#include "resources/Resource.h"

#include <initializer_list>

namespace {

// Texts are written in UTF-8 (the rotation items carry a degree sign).
MenuItem Item(const char* text, int id)
{
    return { MenuItem::Kind::Command, QString::fromUtf8(text), id, {} };
}

MenuItem Separator() { return {}; }

MenuItem Popup(const char* text, std::initializer_list<MenuItem> children)
{
    return { MenuItem::Kind::Popup, QString::fromUtf8(text), 0, children };
}

// The Help popup differs between the two menu bars only in the About item's wording.
MenuItem HelpPopup(const char* aboutText)
{
    return Popup("&Help",
        {
            Item("Tip of the day...", ID_TIP_OF_THE_DAY),
            Separator(),
            Item("&Help Topics", ID_HELP_FINDER),
            Separator(),
            Item(aboutText, ID_APP_ABOUT),
        });
}

Menu BuildFrameMenu()
{
    return {
        Popup("&File",
            {
                Item("&New\tCtrl+N", ID_FILE_NEW),
                Item("&Open...\tCtrl+O", ID_FILE_OPEN),
                Separator(),
                Item("Recent File", ID_FILE_MRU_FILE1),
                Separator(),
                Item("E&xit", ID_APP_EXIT),
            }),
        Popup("&View",
            {
                Item("&Toolbar", ID_VIEW_TOOLBAR),
                Item("&Status Bar", ID_VIEW_STATUS_BAR),
            }),
        HelpPopup("&About icon...."),
    };
}

Menu BuildDocumentMenu()
{
    return {
        Popup("&File",
            {
                Item("&New\tCtrl+N", ID_FILE_NEW),
                Item("&Open...\tCtrl+O", ID_FILE_OPEN),
                Item("&Close", ID_FILE_CLOSE),
                Item("&Save\tCtrl+S", ID_FILE_SAVE),
                Item("Save &As...", ID_FILE_SAVE_AS),
                Separator(),
                Item("Preferences...", ID_PREFERENCES),
                Separator(),
                Item("Recent File", ID_FILE_MRU_FILE1),
                Separator(),
                Item("E&xit", ID_APP_EXIT),
            }),
        Popup("&Edit",
            {
                Item("&Undo\tCtrl+Z", ID_EDIT_UNDO),
                Item("&Redo", ID_EDIT_REDO),
                Separator(),
                Item("Cu&t\tCtrl+X", ID_EDIT_CUT),
                Item("&Copy\tCtrl+C", ID_EDIT_COPY),
                Item("Paste Internal Cliboard\tCtrl+Shift+V", ID_EDIT_PASTE_INTERNAL),
                Item("&Paste Windows Clipboard\tCtrl+V", ID_EDIT_PASTE),
                Separator(),
                Item("Clear Image", ID_IMAGE_CLEAR),
            }),
        Popup("&View",
            {
                Item("16 x 16\tF6", ID_VIEW_16),
                Item("32 x 32\tF7", ID_VIEW_32),
                Item("48 x 48\tF8", ID_VIEW_48),
                Separator(),
                Item("Status Bar", ID_VIEW_STATUS_BAR),
                Item("Brush Palette", ID_VIEW_BRUSH_PALETTE),
                Item("Command Toolbar", ID_VIEW_TOOLBAR),
                Item("Drawing Tool Palette", ID_VIEW_TOOL_PALETTE),
                Separator(),
                Item("Background Color\tCtrl+B", ID_BACKGROUND_COLOR),
            }),
        Popup("&Image",
            {
                Popup("&Color Adjustment",
                    {
                        Item("Add Green", ID_ADD_GREEN),
                        Item("Add Red", ID_ADD_RED),
                        Item("Add Blue", ID_ADD_BLUE),
                        Separator(),
                        Item("Remove Green", ID_REMOVE_GREEN),
                        Item("Remove Red", ID_REMOVE_RED),
                        Item("Remove Blue", ID_REMOVE_BLUE),
                        Separator(),
                        Item("Make Lighter\tCtrl+L", ID_MAKE_LIGHTER),
                        Item("Make Darker\tCtrl+D", ID_MAKE_DARKER),
                    }),
                Popup("&Rotate && Flip",
                    {
                        Item("Flip Vertical\tCtrl+Up", ID_FLIP_VERTICAL),
                        Item("Flip Horizontal\tCtrl+Right", ID_FLIP_HORIZONTAL),
                        Separator(),
                        Item("Rotate 90° CCW\tLeft", ID_ROTATE_CCW),
                        Item("Rotate 90° CW\tRight", ID_ROTATE_CW),
                        Item("Rotate 180°\tDown", ID_ROTATE_180),
                    }),
            }),
        Popup("&Tools",
            {
                Item("&Brush", ID_TOOL_BRUSH),
                Item("&Line", ID_TOOL_LINE),
                Item("&Flood Fill", ID_TOOL_FLOOD_FILL),
                Separator(),
                Item("&Rectangle", ID_TOOL_RECTANGLE),
                Item("&Ellipse", ID_TOOL_ELLIPSE),
                Separator(),
                Item("Fill&ed Rectangle", ID_TOOL_FILLED_RECTANGLE),
                Item("Filled Ellip&se Tool", ID_TOOL_FILLED_ELLIPSE),
                Separator(),
                Item("&Darken Pen", ID_TOOL_DARKEN),
                Item("Lighten Pen", ID_TOOL_LIGHTEN),
            }),
        Popup("&Actions", { Item("Curved Edge Frame", ID_CURVED_EDGE_FRAME) }),
        Popup("&Window",
            {
                Item("&Cascade", ID_WINDOW_CASCADE),
                Item("&Tile", ID_WINDOW_TILE_HORZ),
                Item("&Arrange Icons", ID_WINDOW_ARRANGE),
            }),
        HelpPopup("&About Pixmora...."),
    };
}

Menu BuildContextMenu()
{
    // The resource's single popup; its own title is never shown.
    return {
        Popup("",
            {
                Item("Clear", ID_IMAGE_CLEAR),
                Item("Undo", ID_EDIT_UNDO),
                Item("Redo", ID_EDIT_REDO),
                Item("Paste", ID_EDIT_PASTE),
                Separator(),
                Popup("Flip",
                    {
                        Item("Vertical", ID_FLIP_VERTICAL),
                        Item("Horizontal", ID_FLIP_HORIZONTAL),
                    }),
                Popup("Rotate",
                    {
                        Item("180°", ID_ROTATE_180),
                        Item("90° CW", ID_ROTATE_CW),
                        Item("90° CCW", ID_ROTATE_CCW),
                    }),
                Popup("Density",
                    {
                        Item("Lighter", ID_MAKE_LIGHTER),
                        Item("Darker", ID_MAKE_DARKER),
                    }),
                Popup("Add Color",
                    {
                        Item("Red", ID_ADD_RED),
                        Item("Blue", ID_ADD_BLUE),
                        Item("Green", ID_ADD_GREEN),
                    }),
                Popup("Remove Color",
                    {
                        Item("Red", ID_REMOVE_RED),
                        Item("Blue", ID_REMOVE_BLUE),
                        Item("Green", ID_REMOVE_GREEN),
                    }),
                Separator(),
                Item("16 x 16", ID_VIEW_16),
                Item("32 x 32", ID_VIEW_32),
                Item("48 x 48", ID_VIEW_48),
            }),
    };
}

} // namespace

const Menu& FrameMenu()
{
    static const Menu menu = BuildFrameMenu();
    return menu;
}

const Menu& DocumentMenu()
{
    static const Menu menu = BuildDocumentMenu();
    return menu;
}

const Menu& ContextMenu()
{
    static const Menu menu = BuildContextMenu();
    return menu;
}
