// SPDX-License-Identifier: GPL-3.0-or-later
// CPaletteToolBar: a control bar of command buttons. The "Commands" toolbar and the floating
// "Tools" and "Brush Sizes" palettes are all made from it. Buttons sit in rows; a row ends
// after every button whose wrap flag is set (SetPaletteColumns), or follows the bar's
// orientation when no flag is set. The bar has 5-pixel borders on every side.
#pragma once

#include <QDockWidget>
#include <QImage>
#include <vector>

class QGridLayout;
class QToolButton;
class CMDIFrameWnd;
struct ToolbarLayout;

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
    void SetPaletteColumns(int columns);
    // Shows the name in the caption while floating, only a drag handle while docked.
    void UpdateCaption();

    int GetCount() const { return int(m_items.size()); }
    // The button at index, or null for a separator.
    QToolButton* GetButton(int index) const;
    bool GetWrap(int index) const { return m_wrap[std::size_t(index)]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void Relayout();
    void Refloat();
    bool IsVertical() const;

    QWidget* m_content;
    QGridLayout* m_grid;
    // The drag handle of a docked bar.
    QWidget* m_grip;
    std::vector<QWidget*> m_items;
    std::vector<bool> m_wrap;
    bool m_bFlyBy = true;
    // Where the bar last floated (its outer top-left on the screen).
    QPoint m_floatingPos;
};
