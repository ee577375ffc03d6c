// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/MainFrame.h"

#include "canvas/ToolTable.h"
#include "dialogs/SplashBitmapWnd.h"
#include "frame/PaletteToolBar.h"
#include "frame/Preferences.h"
#include "frame/PreferencesDlg.h"
#include "framework/DataFiles.h"
#include "framework/LockKeys.h"
#include "framework/Platform.h"
#include "resources/Accelerators.h"
#include "resources/Artwork.h"
#include "resources/CommandTexts.h"
#include "resources/HelpText.h"
#include "resources/Menus.h"
#include "resources/Resource.h"
#include "resources/Toolbars.h"
#include "state/InternalClipboard.h"
#include "state/ToolState.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QToolButton>
#include <QWindow>

#include <algorithm>
#include <climits>

namespace {

// The frame's command table: a command for each tool its palette button or menu item makes
// current, then the frame's own commands.
CommandMap<CMainFrame> WithToolCommands(std::initializer_list<CommandEntry<CMainFrame>> own)
{
    CommandMap<CMainFrame> map;
    for (const ToolEntry& entry : ToolTable())
        if (entry.tool->ChosenByTheFrame())
            map.push_back(
                OnCommandRange(entry.id, entry.id, &CMainFrame::OnTool, &CMainFrame::OnUpdateTool));
    map.insert(map.end(), own);
    return map;
}

void PlayDataSound(const char* name)
{
    platform().PlaySound(LocateDataFile(QString::fromLatin1(name)));
}

// The stored rectangle is used as it is, however odd, as far as a window can be placed: a
// coordinate beyond any desktop is held where the window's rectangle still fits an int.
int Coordinate(long long value)
{
    return int(std::clamp<long long>(value, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}

// As on the platform the editor was first written for, a window is never made larger than
// the desktop; an absurd stored size would otherwise ask for an enormous backing store.
QSize OuterSize(const CRect& rect, QSize frame = QSize(0, 0))
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize desktop = screen ? screen->virtualSize() : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const auto extent = [](long long wanted, int largest) {
        return int(std::clamp<long long>(wanted, 1, std::max(1, largest)));
    };
    return { extent(1LL * rect.right - rect.left, desktop.width()) - frame.width(),
        extent(1LL * rect.bottom - rect.top, desktop.height()) - frame.height() };
}

// The status bar's lock-key panes, left to right.
struct LockIndicator {
    int id;
    const char* text;
    bool LockKeyState::*key;
};
constexpr LockIndicator kLockIndicators[] = {
    { ID_INDICATOR_CAPS, "CAP", &LockKeyState::caps },
    { ID_INDICATOR_NUM, "NUM", &LockKeyState::num },
    { ID_INDICATOR_SCRL, "SCRL", &LockKeyState::scroll },
};

CommandStrings StringsOf(int id)
{
    const CommandText* text = FindCommandText(id);
    if (!text)
        return {};
    return { text->Prompt(), text->Tooltip() };
}

} // namespace

CMainFrame::CMainFrame()
{
    toolState.previousTool = ID_TOOL_BRUSH;
    // The frame is made once per run, so this is the internal clipboard's start.
    internalClipboard = EmptyInternalClipboard();
}

CMainFrame::~CMainFrame() = default;

bool CMainFrame::LoadFrame(int resourceId)
{
    if (resourceId != IDR_MAINFRAME)
        return false;
    PreCreateWindow();
    return OnCreate();
}

void CMainFrame::PreCreateWindow()
{
    LoadWindowSettings(m_rcWindow);
    LoadStrengths();
    // The stored rectangle is the outer one; it is applied as such once the frame is known
    // (FitOuterRectangle).
    move(Coordinate(m_rcWindow.left), Coordinate(m_rcWindow.top));
    resize(OuterSize(m_rcWindow));
}

bool CMainFrame::OnCreate()
{
    setWindowTitle(LoadResourceString(IDR_MAINFRAME));
    // The program's icon, for this frame and every window without one of its own: document
    // windows, dialogs and palettes. A document window made without it would first make the
    // style's stand-in picture, decoding it from a file.
    QApplication::setWindowIcon(Artwork::AppIcon());
    SetCommandStrings(StringsOf);
    SetMenus(&FrameMenu(), &DocumentMenu());
    std::vector<std::pair<QKeySequence, int>> keys;
    for (const Accelerator& accel : Accelerators())
        keys.emplace_back(QKeySequence(accel.key), accel.id);
    SetAccelerators(keys);
    SetHelpSource(BuildHelpHtml, HelpAnchor);
    setDockOptions(QMainWindow::AnimatedDocks);
    if (!CreateBars())
        return false;
    CreateStatusBar();
    CSplashBitmapWnd::ShowSplash(this);
    return true;
}

bool CMainFrame::CreateBars()
{
    // "Commands": docked at the top, dockable on every side, floating with its name.
    m_wndToolBar = new CPaletteToolBar(this);
    m_wndToolBar->setObjectName(QStringLiteral("Commands"));
    m_wndToolBar->setWindowTitle(QString::fromLatin1(CommandsToolbar().name));
    m_wndToolBar->setAllowedAreas(Qt::AllDockWidgetAreas);
    m_wndToolBar->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable
        | QDockWidget::DockWidgetClosable);
    m_wndToolBar->SetDynamicSizing(true);
    if (!m_wndToolBar->LoadToolBar(CommandsToolbar(), Artwork::ToolbarStrip(IDR_MAINFRAME), this))
        return false;
    addDockWidget(Qt::TopDockWidgetArea, m_wndToolBar);
    m_wndToolBar->UpdateCaption();

    // The palettes float beside the canvas and cannot dock. They exist, hidden, from here on;
    // their buttons are made and they become floating tool windows of this frame only when
    // the frame is first on screen (CompletePalettes), so they are never docked, floated and
    // hidden on the way, a start that fails never shows them, and none of it delays the
    // frame's own appearance.
    const auto makePalette = [this](const ToolbarLayout& layout) {
        auto* palette = new CPaletteToolBar(this);
        palette->setObjectName(QString::fromLatin1(layout.name));
        palette->setWindowTitle(QString::fromLatin1(layout.name));
        palette->setAllowedAreas(Qt::NoDockWidgetArea);
        palette->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable
            | QDockWidget::DockWidgetClosable);
        palette->SetFlyByPrompts(false);
        palette->hide();
        return palette;
    };
    m_wndToolsPalette = makePalette(ToolsPalette());
    m_wndBrushPalette = makePalette(BrushSizesPalette());
    return true;
}

bool CMainFrame::CompletePalettes()
{
    if (m_palettes != PaletteState::Empty)
        return m_palettes == PaletteState::Complete;
    const auto fill = [this](CPaletteToolBar* palette, const ToolbarLayout& layout, int columns,
                          QPoint offset) {
        if (!palette->LoadToolBar(layout, Artwork::ToolbarStrip(layout.resourceId), this))
            return false;
        palette->SetPaletteColumns(columns);
        palette->setFloating(true);
        palette->move(Coordinate(1LL * m_rcWindow.left + offset.x()),
            Coordinate(1LL * m_rcWindow.top + offset.y()));
        return true;
    };
    const bool complete = fill(m_wndToolsPalette, ToolsPalette(), 2, QPoint(10, 85))
        && fill(m_wndBrushPalette, BrushSizesPalette(), 4, QPoint(90, 180));
    m_palettes = complete ? PaletteState::Complete : PaletteState::Failed;
    // The new buttons show their commands' states from the moment they appear.
    if (complete)
        UpdateCommandActions();
    return complete;
}

void CMainFrame::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
    for (const LockIndicator& indicator : kLockIndicators) {
        auto* label = new QLabel(bar);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 10);
        bar->addPermanentWidget(label);
        m_indicators[indicator.id] = label;
    }
    SetIdleMessage(LoadResourceString(AFX_IDS_IDLEMESSAGE));
    UpdateIndicators();
}

void CMainFrame::UpdateIndicators()
{
    const LockKeyState keys = QueryLockKeys();
    for (const LockIndicator& indicator : kLockIndicators) {
        // An unlit indicator keeps its place but shows no text, like a lamp that is off.
        const bool lit = keys.*indicator.key;
        m_indicators[indicator.id]->setText(lit ? QString::fromLatin1(indicator.text) : QString());
    }
}

bool CMainFrame::event(QEvent* event)
{
    if (event->type() == QEvent::KeyRelease || event->type() == QEvent::WindowActivate)
        UpdateIndicators();
    if ((event->type() == QEvent::Move || event->type() == QEvent::Resize)
        && m_placement == Placement::FrameUnknown && FitOuterRectangle())
        m_placement = Placement::Done;
    return CMDIFrameWnd::event(event);
}

void CMainFrame::showEvent(QShowEvent* event)
{
    CMDIFrameWnd::showEvent(event);
    if (m_placement != Placement::NotShown)
        return;
    m_placement = FitOuterRectangle() ? Placement::Done : Placement::FrameUnknown;
    // A window manager keeps a tool window above its main window only when the main window is
    // already its own when the tool window maps; until the frame is exposed it may not be.
    if (QWindow* window = windowHandle(); window && !window->isExposed()) {
        m_bAwaitingExposure = true;
        window->installEventFilter(this);
    } else {
        ShowPalettes();
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (m_bAwaitingExposure && event->type() == QEvent::Expose && watched == windowHandle()
        && windowHandle()->isExposed()) {
        m_bAwaitingExposure = false;
        watched->removeEventFilter(this);
        // The frame paints first (its window handles this exposure now), then the palettes
        // are made and shown: the frame's contents do not wait for them.
        QCoreApplication::sendEvent(watched, event);
        ShowPalettes();
        return true;
    }
    return CMDIFrameWnd::eventFilter(watched, event);
}

void CMainFrame::ShowPalettes()
{
    if (!CompletePalettes())
        return;
    for (CPaletteToolBar* palette : { m_wndToolsPalette, m_wndBrushPalette }) {
        // Created while the frame had no window of its own, a palette would not know whose
        // tool window it is.
        palette->winId();
        if (QWindow* window = palette->windowHandle())
            window->setTransientParent(windowHandle());
    }
    m_wndToolsPalette->setVisible(m_bToolPalette != 0);
    m_wndBrushPalette->setVisible(m_bBrushPalette != 0);
}

// The stored rectangle is the outer one, but Qt sizes the client area. Some platforms know
// the window's frame when it is shown, X11 only once the window manager has decorated it (a
// move or resize follows); without any frame the client rectangle already is the outer one.
// False while the frame is not known.
bool CMainFrame::FitOuterRectangle()
{
    const QSize extra = frameGeometry().size() - geometry().size();
    if (extra.isNull() || windowState() != Qt::WindowNoState)
        return false;
    resize(OuterSize(m_rcWindow, extra).expandedTo(QSize(1, 1)));
    move(Coordinate(m_rcWindow.left), Coordinate(m_rcWindow.top));
    return true;
}

CRect CMainFrame::GetWindowRect() const
{
    const QRect outer = frameGeometry();
    return { outer.left(), outer.top(), outer.left() + outer.width(),
        outer.top() + outer.height() };
}

void CMainFrame::OnDestroyFrame()
{
    m_rcWindow = GetWindowRect();
    SaveSettings(m_rcWindow);
}

bool CMainFrame::OnCmdMsg(int id, CCmdUI* pCmdUI)
{
    static const CommandMap<CMainFrame> map = WithToolCommands({
        OnCommandRange(
            ID_PEN_1X1, ID_PEN_ROUND, &CMainFrame::OnPenSize, &CMainFrame::OnUpdatePenSize),
        OnCommand(ID_ANTI_ALIAS, &CMainFrame::OnAntiAlias, &CMainFrame::OnUpdateAntiAlias),
        OnCommand(ID_VIEW_TOOL_PALETTE, &CMainFrame::OnViewToolPalette,
            &CMainFrame::OnUpdateViewToolPalette),
        OnCommand(ID_VIEW_BRUSH_PALETTE, &CMainFrame::OnViewBrushPalette,
            &CMainFrame::OnUpdateViewBrushPalette),
        OnCommand(ID_VIEW_TOOLBAR, &CMainFrame::OnViewToolbar, &CMainFrame::OnUpdateViewToolbar),
        OnCommand(ID_PREFERENCES, &CMainFrame::OnPreferences),
    });
    return DispatchCommand(*this, map, id, pCmdUI) || CMDIFrameWnd::OnCmdMsg(id, pCmdUI);
}

void CMainFrame::OnTool(int id)
{
    if (const Tool* tool = FindTool(id); tool && tool->RemembersPreviousTool())
        toolState.previousTool = toolState.currentTool;
    toolState.currentTool = id;
    PlayDataSound("tool.wav");
}

void CMainFrame::OnUpdateTool(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(true);
    pCmdUI->SetCheck(toolState.currentTool == pCmdUI->m_nID ? 1 : 0);
}

void CMainFrame::OnPenSize(int id)
{
    toolState.penSize = id;
    PlayDataSound("size.wav");
}

void CMainFrame::OnUpdatePenSize(CCmdUI* pCmdUI)
{
    const Tool* tool = FindTool(toolState.currentTool);
    pCmdUI->Enable(tool && tool->UsesPenSizes());
    pCmdUI->SetCheck(toolState.penSize == pCmdUI->m_nID ? 1 : 0);
}

void CMainFrame::OnAntiAlias()
{
    if (toolState.antiAlias != 0) {
        toolState.antiAlias = 0;
        return;
    }
    toolState.antiAlias = 1;
    PlayDataSound("alias.wav");
}

void CMainFrame::OnUpdateAntiAlias(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(toolState.antiAlias != 0 ? 1 : 0);
}

void CMainFrame::OnViewToolPalette()
{
    m_bToolPalette = m_bToolPalette ? 0 : 1;
    // Before the frame is first on screen only the choice is made; the palette follows it
    // when it appears.
    if (m_palettes == PaletteState::Complete)
        m_wndToolsPalette->setVisible(m_bToolPalette != 0);
}

void CMainFrame::OnUpdateViewToolPalette(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bToolPalette ? 1 : 0);
}

void CMainFrame::OnViewBrushPalette()
{
    m_bBrushPalette = m_bBrushPalette ? 0 : 1;
    if (m_palettes == PaletteState::Complete)
        m_wndBrushPalette->setVisible(m_bBrushPalette != 0);
}

void CMainFrame::OnUpdateViewBrushPalette(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bBrushPalette ? 1 : 0);
}

// The bar's own visibility, as its check mark shows it, not whether it is on screen (no bar
// is while the frame itself is hidden).
void CMainFrame::OnViewToolbar() { m_wndToolBar->setVisible(m_wndToolBar->isHidden()); }

void CMainFrame::OnUpdateViewToolbar(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_wndToolBar->isVisibleTo(this) ? 1 : 0);
}

void CMainFrame::OnPreferences() { RunPreferencesCommand(this); }
