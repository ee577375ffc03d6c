// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/Menus.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

// One line per item, two spaces per level: "text = id" for a command, "text >" for a popup and
// "-" for a separator; a tab in a text is written as \t.
void Dump(const Menu& menu, int depth, QStringList& lines)
{
    const QString indent(depth * 2, u' ');
    for (const MenuItem& item : menu) {
        QString text = item.text;
        text.replace(u'\t', QStringLiteral("\\t"));
        switch (item.kind) {
        case MenuItem::Kind::Separator:
            EXPECT_TRUE(item.text.isEmpty() && item.id == 0 && item.children.empty());
            lines << indent + u'-';
            break;
        case MenuItem::Kind::Command:
            EXPECT_TRUE(item.children.empty());
            lines << indent + text + QStringLiteral(" = ") + QString::number(item.id);
            break;
        case MenuItem::Kind::Popup:
            EXPECT_EQ(item.id, 0);
            lines << indent + text + QStringLiteral(" >");
            Dump(item.children, depth + 1, lines);
            break;
        }
    }
}

QStringList Dump(const Menu& menu)
{
    QStringList lines;
    Dump(menu, 0, lines);
    return lines;
}

QStringList Lines(const char* utf8)
{
    return QString::fromUtf8(utf8).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace

TEST(Menus, FrameMenuIsExact)
{
    EXPECT_EQ(Dump(FrameMenu()), Lines(R"(
&File >
  &New\tCtrl+N = 57600
  &Open...\tCtrl+O = 57601
  -
  Recent File = 57616
  -
  E&xit = 57665
&View >
  &Toolbar = 59392
  &Status Bar = 59393
&Help >
  Tip of the day... = 106
  -
  &Help Topics = 57667
  -
  &About icon.... = 57664
)"));
}

TEST(Menus, DocumentMenuIsExact)
{
    EXPECT_EQ(Dump(DocumentMenu()), Lines(R"(
&File >
  &New\tCtrl+N = 57600
  &Open...\tCtrl+O = 57601
  &Close = 57602
  &Save\tCtrl+S = 57603
  Save &As... = 57604
  -
  Preferences... = 32837
  -
  Recent File = 57616
  -
  E&xit = 57665
&Edit >
  &Undo\tCtrl+Z = 57643
  &Redo = 57644
  -
  Cu&t\tCtrl+X = 57635
  &Copy\tCtrl+C = 57634
  Paste Internal Cliboard\tCtrl+Shift+V = 32846
  &Paste Windows Clipboard\tCtrl+V = 57637
  -
  Clear Image = 32787
&View >
  16 x 16\tF6 = 32788
  32 x 32\tF7 = 32789
  48 x 48\tF8 = 32790
  -
  Status Bar = 59393
  Brush Palette = 32841
  Command Toolbar = 59392
  Drawing Tool Palette = 32834
  -
  Background Color\tCtrl+B = 32802
&Image >
  &Color Adjustment >
    Add Green = 32795
    Add Red = 32796
    Add Blue = 32797
    -
    Remove Green = 32798
    Remove Red = 32799
    Remove Blue = 32800
    -
    Make Lighter\tCtrl+L = 32793
    Make Darker\tCtrl+D = 32794
  &Rotate && Flip >
    Flip Vertical\tCtrl+Up = 32785
    Flip Horizontal\tCtrl+Right = 32783
    -
    Rotate 90° CCW\tLeft = 32779
    Rotate 90° CW\tRight = 32781
    Rotate 180°\tDown = 32791
&Tools >
  &Brush = 32772
  &Line = 32773
  &Flood Fill = 32778
  -
  &Rectangle = 32774
  &Ellipse = 32775
  -
  Fill&ed Rectangle = 32776
  Filled Ellip&se Tool = 32777
  -
  &Darken Pen = 32827
  Lighten Pen = 32828
&Actions >
  Curved Edge Frame = 32844
&Window >
  &Cascade = 57650
  &Tile = 57651
  &Arrange Icons = 57649
&Help >
  Tip of the day... = 106
  -
  &Help Topics = 57667
  -
  &About Pixmora.... = 57664
)"));
}

TEST(Menus, ContextMenuIsExactlyOnePopup)
{
    ASSERT_EQ(ContextMenu().size(), 1u);
    EXPECT_EQ(Dump(ContextMenu().front().children), Lines(R"(
Clear = 32787
Undo = 57643
Redo = 57644
Paste = 57637
-
Flip >
  Vertical = 32785
  Horizontal = 32783
Rotate >
  180° = 32791
  90° CW = 32781
  90° CCW = 32779
Density >
  Lighter = 32793
  Darker = 32794
Add Color >
  Red = 32796
  Blue = 32797
  Green = 32795
Remove Color >
  Red = 32799
  Blue = 32800
  Green = 32798
-
16 x 16 = 32788
32 x 32 = 32789
48 x 48 = 32790
)"));
}

TEST(Menus, DegreeSignIsOneCharacterNotMojibake)
{
    const MenuItem& rotate = DocumentMenu()[3].children[1];
    const QString text = rotate.children[3].text;
    EXPECT_TRUE(text.contains(QChar(0x00B0)));
    EXPECT_FALSE(text.contains(QChar(0x00C2)));
    EXPECT_EQ(text.indexOf(QChar(0x00B0)), QStringLiteral("Rotate 90").size());
}

TEST(Menus, LabelAndShortcutTextSplitAtTheTabAndDropMnemonics)
{
    MenuItem item { MenuItem::Kind::Command, QStringLiteral("Cu&t\tCtrl+X"), 57635, {} };
    EXPECT_EQ(item.Label(), QStringLiteral("Cut"));
    EXPECT_EQ(item.ShortcutText(), QStringLiteral("Ctrl+X"));
    item.text = QStringLiteral("&Rotate && Flip");
    EXPECT_EQ(item.Label(), QStringLiteral("Rotate & Flip"));
    EXPECT_TRUE(item.ShortcutText().isEmpty());
    EXPECT_EQ(StripMnemonic(QStringLiteral("a&&&b&")), QStringLiteral("a&b"));
}
