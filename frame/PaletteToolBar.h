// SPDX-License-Identifier: GPL-3.0-or-later
// CPaletteToolBar: a control bar of command buttons. The "Commands" toolbar and the floating
// "Tools" and "Brush Sizes" palettes are all made from it. Buttons sit in rows; a row ends
// after every button whose wrap flag is set (SetPaletteColumns), or follows the bar's
// orientation when no flag is set. A floating bar with dynamic sizing instead wraps its
// buttons into as many rows as its width needs and takes the height they fill. The bar has
// 5-pixel borders on every side.
#pragma once

#include <QDockWidget>
#include <QImage>
#include <vector>

class QVBoxLayout;
class QToolButton;
class CMDIFrameWnd;
struct ToolbarLayout;

// Where rows break when items of the given widths are laid out left to right within width: a
// row ends after item i when wrap[i] is set. A separator never begins or ends a row: one that
// falls at a break is hidden. Every row holds at least one item, however narrow the width.
struct RowBreaks {
    std::vector<bool> wrap;
    std::vector<bool> hidden;
};
RowBreaks WrapToWidth(
    const std::vector<int>& widths, const std::vector<bool>& separators, int width);

class CPaletteToolBar : public QDockWidget {
    Q_OBJECT
public:
    explicit CPaletteToolBar(QWidget* parent = nullptr);

    // One button per command of layout, showing the pictures of strip left to right; the
    // buttons trigger the frame's shared command actions. False when the strip does not hold
    // a picture for every button.
    bool LoadToolBar(const ToolbarLayout& layout, const QImage& strip, CMDIFrameWnd* frame);
    // Buttons show their command's prompt in the status bar while the pointer is over them.
    void SetFlyByPrompts(bool on) { m_bFlyBy = on; }
    // While floating, the buttons re-wrap to the bar's width.
    void SetDynamicSizing(bool on) { m_bDynamic = on; }
    void SetPaletteColumns(int columns);
    // Shows the name in the caption while floating, only a drag handle while docked.
    void UpdateCaption();

    int GetCount() const { return int(m_items.size()); }
    // The button at index, or null for a separator.
    QToolButton* GetButton(int index) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The bar was docked, moved to another side or floated: caption, rows and size follow.
    void Replace();
    void Relayout();
    // Re-wraps a floating dynamic bar to width and fits its height to the rows.
    void FitToWidth(int width);
    bool IsDynamicFloating() const { return m_bDynamic && isFloating(); }
    void Refloat();
    bool IsVertical() const;

    QWidget* m_content;
    QVBoxLayout* m_rows;
    // The drag handle of a docked bar.
    QWidget* m_grip;
    std::vector<QWidget*> m_items;
    std::vector<bool> m_wrap;
    // The breaks of a floating dynamic bar, for its present width.
    RowBreaks m_dynamicBreaks;
    bool m_bFlyBy = true;
    bool m_bDynamic = false;
    bool m_bFitting = false;
    // Where the bar last floated (its outer top-left on the screen).
    QPoint m_floatingPos;
};
