// SPDX-License-Identifier: GPL-3.0-or-later
// CMainFrame: the editor's main window. Carries the "Commands" toolbar, the floating "Tools"
// and "Brush Sizes" palettes and the status bar, handles the tool, pen-size, anti-aliasing,
// palette and preferences commands, and keeps the window's place and the tool choices
// between runs.
#pragma once

#include "framework/MDIFrameWnd.h"

#include <QPointer>
#include <map>

class CPaletteToolBar;
class QLabel;

class CMainFrame : public CMDIFrameWnd {
    Q_OBJECT
public:
    CMainFrame();
    ~CMainFrame() override;

    // Creates the window from the frame resource; false when any part of it fails.
    bool LoadFrame(int resourceId);

    bool OnCmdMsg(int id, CCmdUI* pCmdUI) override;
    void OnTool(int id);
    void OnUpdateTool(CCmdUI* pCmdUI);
    void OnPenSize(int id);
    void OnUpdatePenSize(CCmdUI* pCmdUI);
    void OnAntiAlias();
    void OnUpdateAntiAlias(CCmdUI* pCmdUI);
    void OnViewToolPalette();
    void OnUpdateViewToolPalette(CCmdUI* pCmdUI);
    void OnViewBrushPalette();
    void OnUpdateViewBrushPalette(CCmdUI* pCmdUI);
    void OnViewToolbar();
    void OnUpdateViewToolbar(CCmdUI* pCmdUI);
    void OnPreferences();
    // The lock keys' indicators, lit from the keyboard's state where the platform reports it.
    void UpdateIndicators();

    // The main window rectangle in screen pixels, as loaded and as last saved.
    CRect m_rcWindow;
    CPaletteToolBar* m_wndToolBar = nullptr;
    CPaletteToolBar* m_wndToolsPalette = nullptr;
    CPaletteToolBar* m_wndBrushPalette = nullptr;
    // 1 when this frame last showed the palette, 0 when it last hid it.
    int m_bToolPalette = 1;
    int m_bBrushPalette = 1;

protected:
    void OnDestroyFrame() override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PreCreateWindow();
    bool OnCreate();
    bool CreateBars();
    void CreateStatusBar();
    // Gives the palettes their buttons and floats them, the first time it is asked; false
    // when their pictures cannot be loaded (they then stay hidden).
    bool CompletePalettes();
    // Shows each palette whose flag is set, as a tool window of this frame.
    void ShowPalettes();
    CRect GetWindowRect() const;
    bool FitOuterRectangle();

    // The window is placed once, when its frame is first known (see FitOuterRectangle).
    enum class Placement { NotShown, FrameUnknown, Done };

    enum class PaletteState { Empty, Complete, Failed };

    std::map<int, QLabel*> m_indicators;
    Placement m_placement = Placement::NotShown;
    PaletteState m_palettes = PaletteState::Empty;
    // True from the frame's first show until its window is first exposed. The frame also
    // filters every application event in context-help mode, so the filter cannot tell the
    // first exposure by the event alone.
    bool m_bAwaitingExposure = false;
};
