// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/CommandTexts.h"

#include "resources/Resource.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace {

// The three shapes a command string takes in the table.
constexpr CommandText Texts(int id, const char* prompt, const char* tooltip)
{
    return { id, prompt, tooltip };
}
constexpr CommandText Same(int id, const char* text) { return { id, text, text }; }
constexpr CommandText PromptOnly(int id, const char* prompt) { return { id, prompt, nullptr }; }

constexpr auto kCommandTexts = std::to_array<CommandText>({
    // File
    Same(ID_FILE_NEW, "Create a new icon"),
    Same(ID_FILE_OPEN, "Open an existing icon"),
    Same(ID_FILE_CLOSE, "Close the active icon"),
    Same(ID_FILE_SAVE, "Save the active icon"),
    Same(ID_FILE_SAVE_AS, "Save the active icon with a new name"),
    Same(ID_PREFERENCES, "Set Pixmora's preferences"),
    PromptOnly(ID_FILE_MRU_FILE1, "Open this icon"),
    Same(ID_APP_EXIT, "Quit Pixmora and prompts to save icon"),

    // Edit
    Texts(ID_EDIT_UNDO, "Undo the last action", "Undo"),
    Texts(ID_EDIT_REDO, "Redo the previously undone action", "Redo"),
    Same(ID_EDIT_CUT, "Cut the selection and put it on the internal clipboard"),
    Same(ID_EDIT_COPY, "Copy the selection and put it on the internal clipboard"),
    Same(ID_EDIT_PASTE_INTERNAL, "Insert previously copied data from the internal clipboard"),
    Same(ID_EDIT_PASTE, "Insert the windows clipboard contents"),
    Same(ID_IMAGE_CLEAR, "Clear the image"),

    // View
    Same(ID_VIEW_16, "Edit the 16 x 16 icon"),
    Same(ID_VIEW_32, "Edit the 32 x 32 icon"),
    Same(ID_VIEW_48, "Edit the 48 x 48 icon"),
    Same(ID_VIEW_STATUS_BAR, "Show or hide the status bar"),
    Same(ID_VIEW_TOOLBAR, "Show or hide the toolbar"),
    Same(ID_VIEW_BRUSH_PALETTE, "Show or hide the brush palette"),
    Same(ID_VIEW_TOOL_PALETTE, "Show or hide the tool palette"),
    Same(ID_BACKGROUND_COLOR, "Select the background color"),

    // Image
    Texts(ID_ADD_GREEN, "Make icon image greener", "Green"),
    Texts(ID_ADD_RED, "Make icon image redder", "Red"),
    Texts(ID_ADD_BLUE, "Make icon image bluer", "Blue"),
    Texts(ID_REMOVE_GREEN, "Make icon image less green", "Green"),
    Texts(ID_REMOVE_RED, "Make icon image less red", "Red"),
    Texts(ID_REMOVE_BLUE, "Make icon image less blue", "Blue"),
    Texts(ID_MAKE_LIGHTER, "Make icon image lighter", "Lighten"),
    Texts(ID_MAKE_DARKER, "Make icon image darker", "Darken"),
    Texts(ID_CURVED_EDGE_FRAME, "This action creates a frame with a curved edge", "Create Frame"),
    Texts(ID_FLIP_VERTICAL, "Flip the image vertical", "Flip"),
    Texts(ID_FLIP_HORIZONTAL, "Flip the image horizontal", "Flip"),
    Texts(ID_ROTATE_CCW, "Rotate the image 90 degrees counter clockwise", "Rotate"),
    Texts(ID_ROTATE_CW, "Rotate the image 90 degrees clockwise", "Rotate"),
    Texts(ID_ROTATE_180, "Rotate the image 180 degrees", "Rotate"),

    // Drawing tools
    Texts(ID_TOOL_BRUSH, "Brush Tool", "Brush"),
    Texts(ID_TOOL_ERASER, "Eraser tool", "Erase"),
    Texts(ID_TOOL_FLOOD_FILL, "Flood Fill Tool", "Flood Fill"),
    Texts(ID_TOOL_LINE, "Line Tool", "Line"),
    Texts(ID_TOOL_STRAIGHT_LINE_H, "Straight Line Left To Right", "Straight Line"),
    Texts(ID_TOOL_STRAIGHT_LINE_V, "Straight Line Top To Bottom", "Straight Line"),
    Texts(ID_TOOL_RECTANGLE, "Rectangle Tool", "Rectangle"),
    Texts(ID_TOOL_FILLED_RECTANGLE, "Filled Rectangle Tool", "Filled Rectangle"),
    Texts(ID_TOOL_ELLIPSE, "Ellipse Tool", "Ellipse"),
    Texts(ID_TOOL_FILLED_ELLIPSE, "Filled Ellipse Tool", "Filled Ellipse"),
    Texts(ID_TOOL_DARKEN, "Darken Brush", "Darken"),
    Texts(ID_TOOL_LIGHTEN, "Lighten Brush", "Lighten"),
    Texts(ID_TOOL_SELECTOR, "Rectangle Selector Tool", "Selector"),
    Texts(ID_UNSELECT, "Unselect the current selection", "Unselect"),
    Texts(ID_MOVE_SELECTION, "Moves the currently selected area", "Move Selection"),
    Texts(ID_TEXT, "Text Tool", "Text"),

    // Pen sizes and anti-aliasing
    Texts(ID_PEN_1X1, "1x1 Pen Tool", "1x1 Pen"),
    Texts(ID_PEN_3X3, "3x3 Pen Tool", "3x3Pen"),
    Texts(ID_PEN_5X5, "5x5 Pen Tool", "5x5 Pen"),
    Texts(ID_PEN_ROUND, "5x5 Round Pen Tool", "Round Pen"),
    Same(ID_ANTI_ALIAS, "Anti Aliasing"),

    // Window
    Texts(ID_WINDOW_CASCADE, "Arrange windows so they overlap", "Cascade Windows"),
    Texts(ID_WINDOW_TILE_HORZ, "Arrange windows as non-overlapping tiles", "Tile Windows"),
    Texts(ID_WINDOW_ARRANGE, "Arrange icons at the bottom of the window", "Arrange Icons"),

    // Help
    Same(ID_TIP_OF_THE_DAY, "Displays the tip of the day"),
    Same(ID_HELP_FINDER, "List help topics"),
    Texts(ID_APP_ABOUT, "Display program information, version number and copyright", "About"),
    Texts(ID_CONTEXT_HELP, "Display help for clicked on buttons, menus and windows", "Help"),
    Texts(ID_HELP, "Display help for current task or command", "Help"),
});

struct PlainString {
    int id;
    const char* text;
};

constexpr auto kPlainStrings = std::to_array<PlainString>({
    { AFX_IDS_APP_TITLE, "icon" },
    { AFX_IDS_IDLEMESSAGE, "For Help, press F1" },
    { IDR_MAINFRAME, "icon" },
    { IDR_ICONTYPE, "\nIcon\nIcon\nIcon Files\n.ico\nIcon.Document\nIcon Document" },
    { IDS_DID_YOU_KNOW, "Did you know..." },
    { IDS_TIPS_FILE_MISSING, "Tips file does not exist in the prescribed directory" },
    { IDS_TIPS_FILE_ERROR, "Trouble reading the tips file" },
});

} // namespace

const CommandText* FindCommandText(int id)
{
    if (id > ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + kRecentFileCount)
        id = ID_FILE_MRU_FILE1;
    const auto found = std::ranges::find(kCommandTexts, id, &CommandText::id);
    return found == kCommandTexts.end() ? nullptr : &*found;
}

std::span<const CommandText> AllCommandTexts() { return kCommandTexts; }

QString LoadResourceString(int id)
{
    const auto plain = std::ranges::find(kPlainStrings, id, &PlainString::id);
    if (plain != kPlainStrings.end())
        return QString::fromUtf8(plain->text);
    const CommandText* command = FindCommandText(id);
    if (!command)
        return {};
    return command->HasTooltip() ? command->Prompt() + u'\n' + command->Tooltip()
                                 : command->Prompt();
}

QString DocumentString(DocStringField field)
{
    const QStringList fields = LoadResourceString(IDR_ICONTYPE).split(u'\n');
    const auto index = static_cast<qsizetype>(field);
    return index < fields.size() ? fields.at(index) : QString();
}
