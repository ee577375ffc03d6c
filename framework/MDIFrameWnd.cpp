// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/MDIFrameWnd.h"

#include "framework/CommandIds.h"
#include "framework/Document.h"
#include "framework/IdleCommandUpdates.h"
#include "framework/MDIChildWnd.h"
#include "framework/Platform.h"
#include "framework/View.h"
#include "framework/WinApp.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr const char* kCommandProperty = "pixmoraCommand";
constexpr const char* kRecentPlaceholder = "pixmoraRecentPlaceholder";
constexpr const char* kRecentEntry = "pixmoraRecentEntry";
constexpr const char* kWindowEntry = "pixmoraWindowEntry";

// Shows a command's state on an item or button: a check mark only where one is set.
void ApplyState(QAction* action, const CCmdUI& ui)
{
    action->setEnabled(ui.m_bEnabled);
    action->setCheckable(ui.m_nCheck != 0);
    action->setChecked(ui.m_nCheck != 0);
}

int CommandOf(const QAction* action)
{
    const QVariant v = action->property(kCommandProperty);
    return v.isValid() ? v.toInt() : 0;
}
}

CMDIFrameWnd::CMDIFrameWnd()
    : m_mdiArea(new QMdiArea(this))
{
    setCentralWidget(m_mdiArea);
    m_mdiArea->setBackground(palette().brush(QPalette::Dark));
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow*) {
        UpdateMenuBar();
        UpdateFrameTitle();
    });
    statusBar();
    // The palette buttons follow the commands' states after whatever may have changed them.
    new IdleCommandUpdates([this] { UpdateCommandActions(); }, this);
    setWindowTitle(AfxGetAppTitle());
}

CMDIFrameWnd::~CMDIFrameWnd()
{
    // The document windows go with the QWidget base, after this object is gone; they must
    // not call back into it.
    m_mdiArea->disconnect(this);
}

void CMDIFrameWnd::SetCommandStrings(std::function<CommandStrings(int)> lookup)
{
    m_commandStrings = std::move(lookup);
}

void CMDIFrameWnd::SetMenus(const Menu* frameMenu, const Menu* documentMenu)
{
    m_frameMenu = frameMenu;
    m_documentMenu = documentMenu;
    m_shownMenu = nullptr;
    // A hidden frame builds its menu bar when it is shown: at start-up the first document
    // usually opens before that, and the menu without a document would be built only to be
    // replaced at once. Building menus is most of what a frame costs before it appears.
    if (isVisible())
        UpdateMenuBar();
}

void CMDIFrameWnd::SetAccelerators(const std::vector<std::pair<QKeySequence, int>>& accelerators)
{
    for (const auto& [keys, id] : accelerators) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        const int command = id;
        connect(
            shortcut, &QShortcut::activated, this, [this, command] { ExecuteCommand(command); });
    }
}

void CMDIFrameWnd::SetIdleMessage(const QString& text)
{
    m_idleMessage = text;
    statusBar()->showMessage(text);
}

void CMDIFrameWnd::SetRecentFileSource(std::function<QStringList()> source)
{
    m_recentFiles = std::move(source);
}

void CMDIFrameWnd::SetHelpSource(std::function<QString()> html, std::function<QString(int)> anchor)
{
    m_helpHtml = std::move(html);
    m_helpAnchor = std::move(anchor);
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive() const
{
    QMdiSubWindow* active = m_mdiArea->activeSubWindow();
    if (!active) {
        // Focus may sit in a palette; the most recently active document window still counts.
        const auto list = m_mdiArea->subWindowList(QMdiArea::ActivationHistoryOrder);
        active = list.isEmpty() ? nullptr : list.last();
    }
    return dynamic_cast<CMDIChildWnd*>(active);
}

std::vector<CMDIChildWnd*> CMDIFrameWnd::ChildFrames() const
{
    std::vector<CMDIChildWnd*> frames;
    for (QMdiSubWindow* w : m_mdiArea->subWindowList())
        if (auto* frame = dynamic_cast<CMDIChildWnd*>(w))
            frames.push_back(frame);
    return frames;
}

void CMDIFrameWnd::AdoptChildFrame(CMDIChildWnd* frame) { m_mdiArea->addSubWindow(frame); }

void CMDIFrameWnd::ShowChildFrame(CMDIChildWnd* frame, const CRect& rect)
{
    frame->setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
    frame->show();
    MDIActivate(frame);
    UpdateMenuBar();
}

void CMDIFrameWnd::MDIActivate(CMDIChildWnd* frame)
{
    if (frame->isMinimized())
        frame->showNormal();
    m_mdiArea->setActiveSubWindow(frame);
    UpdateFrameTitle();
}

CView* CMDIFrameWnd::GetActiveView() const
{
    CMDIChildWnd* child = MDIGetActive();
    return child ? child->GetActiveView() : nullptr;
}

CDocument* CMDIFrameWnd::GetActiveDocument() const
{
    CView* view = GetActiveView();
    return view ? view->GetDocument() : nullptr;
}

bool CMDIFrameWnd::RouteCommand(int id, CCmdUI* pCmdUI)
{
    if (CMDIChildWnd* child = MDIGetActive()) {
        if (CView* view = child->GetActiveView()) {
            if (view->OnCmdMsg(id, pCmdUI))
                return true;
            if (CDocument* doc = view->GetDocument(); doc && doc->OnCmdMsg(id, pCmdUI))
                return true;
        }
        if (child->OnCmdMsg(id, pCmdUI))
            return true;
    }
    if (OnCmdMsg(id, pCmdUI))
        return true;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(id, pCmdUI);
}

CCmdUI CMDIFrameWnd::QueryCommand(int id)
{
    CCmdUI ui(id);
    if (!RouteCommand(id, &ui))
        ui.Enable(false);
    return ui;
}

void CMDIFrameWnd::ExecuteCommand(int id)
{
    if (m_bContextHelp) {
        ShowCommandHelp(id);
        return;
    }
    if (!QueryCommand(id).m_bEnabled)
        return;
    RouteCommand(id, nullptr);
    UpdateCommandActions();
}

QAction* CMDIFrameWnd::CommandAction(int id)
{
    auto it = m_actions.find(id);
    if (it != m_actions.end())
        return it->second;
    auto* action = new QAction(this);
    action->setProperty(kCommandProperty, id);
    if (m_commandStrings) {
        const CommandStrings strings = m_commandStrings(id);
        action->setText(strings.tooltip.isEmpty() ? strings.prompt : strings.tooltip);
        action->setToolTip(strings.tooltip);
        action->setStatusTip(strings.prompt);
    }
    connect(action, &QAction::triggered, this, [this, id] { ExecuteCommand(id); });
    m_actions.emplace(id, action);
    return action;
}

void CMDIFrameWnd::BuildMenu(QMenu* menu, const std::vector<MenuItem>& items)
{
    for (const MenuItem& item : items) {
        switch (item.kind) {
        case MenuItem::Kind::Separator:
            menu->addSeparator();
            break;
        case MenuItem::Kind::Popup:
            BuildMenu(menu->addMenu(item.text), item.children);
            break;
        case MenuItem::Kind::Command: {
            // Qt shows the text after the tab as the shortcut column, as the menus intend.
            QAction* action = menu->addAction(item.text);
            action->setProperty(kCommandProperty, item.id);
            if (m_commandStrings)
                action->setStatusTip(m_commandStrings(item.id).prompt);
            if (item.id == ID_FILE_MRU_FILE1)
                action->setProperty(kRecentPlaceholder, true);
            const int id = item.id;
            connect(action, &QAction::triggered, this, [this, id] { ExecuteCommand(id); });
            break;
        }
        }
    }
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { UpdateMenuItems(menu); });
}

void CMDIFrameWnd::UpdateMenuItems(QMenu* menu)
{
    FillRecentFiles(menu);
    FillWindowList(menu);
    for (QAction* action : menu->actions()) {
        const int id = CommandOf(action);
        if (id == 0 || action->menu())
            continue;
        ApplyState(action, QueryCommand(id));
    }
}

void CMDIFrameWnd::FillRecentFiles(QMenu* menu)
{
    QAction* placeholder = nullptr;
    for (QAction* action : menu->actions())
        if (action->property(kRecentPlaceholder).toBool())
            placeholder = action;
    if (!placeholder)
        return;
    for (QAction* action : menu->actions())
        if (action->property(kRecentEntry).toBool())
            menu->removeAction(action), action->deleteLater();
    const QStringList files = m_recentFiles ? m_recentFiles() : QStringList();
    // With no recent files the placeholder stays, disabled, as "Recent File".
    placeholder->setVisible(files.isEmpty());
    for (int i = 0; i < files.size(); ++i) {
        auto* entry = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(files[i]), menu);
        entry->setProperty(kCommandProperty, ID_FILE_MRU_FILE1 + i);
        entry->setProperty(kRecentEntry, true);
        if (m_commandStrings)
            entry->setStatusTip(m_commandStrings(ID_FILE_MRU_FILE1).prompt);
        const int id = ID_FILE_MRU_FILE1 + i;
        connect(entry, &QAction::triggered, this, [this, id] { ExecuteCommand(id); });
        menu->insertAction(placeholder, entry);
    }
}

void CMDIFrameWnd::FillWindowList(QMenu* menu)
{
    const QList<QAction*> actions = menu->actions();
    const bool isWindowMenu = std::any_of(actions.begin(), actions.end(),
        [](QAction* a) { return CommandOf(a) == ID_WINDOW_CASCADE; });
    if (!isWindowMenu)
        return;
    for (QAction* action : actions)
        if (action->property(kWindowEntry).toBool())
            menu->removeAction(action), action->deleteLater();
    const auto frames = ChildFrames();
    if (frames.empty())
        return;
    QAction* separator = menu->addSeparator();
    separator->setProperty(kWindowEntry, true);
    CMDIChildWnd* active = MDIGetActive();
    for (std::size_t i = 0; i < frames.size(); ++i) {
        CMDIChildWnd* frame = frames[i];
        QAction* entry
            = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(frame->windowTitle()));
        entry->setProperty(kWindowEntry, true);
        entry->setCheckable(frame == active);
        entry->setChecked(frame == active);
        connect(entry, &QAction::triggered, this, [this, frame] { MDIActivate(frame); });
    }
}

void CMDIFrameWnd::UpdateCommandActions()
{
    for (auto& [id, action] : m_actions)
        ApplyState(action, QueryCommand(id));
}

void CMDIFrameWnd::UpdateMenuBar()
{
    // A window being closed has already let go of its document.
    const auto frames = ChildFrames();
    const bool anyDocument = std::any_of(
        frames.begin(), frames.end(), [](CMDIChildWnd* f) { return f->GetActiveDocument(); });
    const Menu* wanted = anyDocument ? m_documentMenu : m_frameMenu;
    if (wanted == m_shownMenu || m_bClosing)
        return;
    ShowMenu(wanted);
}

void CMDIFrameWnd::ShowMenu(const Menu* menu)
{
    m_shownMenu = menu;
    QMenuBar* bar = menuBar();
    bar->clear();
    if (!menu)
        return;
    for (const MenuItem& item : *menu) {
        if (item.kind == MenuItem::Kind::Popup)
            BuildMenu(bar->addMenu(item.text), item.children);
    }
}

void CMDIFrameWnd::UpdateFrameTitle()
{
    CDocument* doc = GetActiveDocument();
    setWindowTitle(
        doc ? QStringLiteral("%1 - %2").arg(AfxGetAppTitle(), doc->GetTitle()) : AfxGetAppTitle());
}

void CMDIFrameWnd::showEvent(QShowEvent* event)
{
    UpdateMenuBar();
    QMainWindow::showEvent(event);
}

bool CMDIFrameWnd::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        // An empty prompt (pointer left the item) brings back the idle message.
        auto* tip = static_cast<QStatusTipEvent*>(event);
        statusBar()->showMessage(tip->tip().isEmpty() ? m_idleMessage : tip->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void CMDIFrameWnd::closeEvent(QCloseEvent* event)
{
    CWinApp* app = AfxGetApp();
    if (app && !app->SaveAllModified()) {
        event->ignore();
        return;
    }
    m_bClosing = true;
    OnDestroyFrame();
    if (app)
        app->CloseAllDocuments();
    event->accept();
}

void CMDIFrameWnd::EndSession()
{
    if (m_bClosing)
        return;
    m_bClosing = true;
    OnDestroyFrame();
}

bool CMDIFrameWnd::OnCmdMsg(int id, CCmdUI* pCmdUI)
{
    static const CommandMap<CMDIFrameWnd> map = {
        OnCommand(ID_WINDOW_CASCADE, &CMDIFrameWnd::OnWindowCascade),
        OnCommand(ID_WINDOW_TILE_HORZ, &CMDIFrameWnd::OnWindowTile),
        OnCommand(ID_WINDOW_ARRANGE, &CMDIFrameWnd::OnWindowArrange),
        OnCommand(ID_CONTEXT_HELP, &CMDIFrameWnd::OnContextHelp),
        OnCommand(ID_HELP_FINDER, &CMDIFrameWnd::OnHelpTopics),
        OnCommand(ID_HELP, &CMDIFrameWnd::OnHelpTopics),
        OnCommand(ID_DEFAULT_HELP, &CMDIFrameWnd::OnHelpTopics),
        OnCommand(ID_VIEW_STATUS_BAR, &CMDIFrameWnd::OnViewStatusBar,
            &CMDIFrameWnd::OnUpdateViewStatusBar),
    };
    return DispatchCommand(*this, map, id, pCmdUI) || CCmdTarget::OnCmdMsg(id, pCmdUI);
}

void CMDIFrameWnd::OnWindowCascade() { m_mdiArea->cascadeSubWindows(); }

void CMDIFrameWnd::OnWindowTile() { m_mdiArea->tileSubWindows(); }

void CMDIFrameWnd::OnWindowArrange()
{
    // Minimized windows are lined up along the bottom of the client area, left to right.
    int x = 0;
    const int bottom = m_mdiArea->viewport()->height();
    for (CMDIChildWnd* frame : ChildFrames()) {
        if (!frame->isMinimized())
            continue;
        const QSize size = frame->size();
        frame->move(x, bottom - size.height());
        x += size.width();
    }
}

void CMDIFrameWnd::OnContextHelp()
{
    if (m_bContextHelp)
        return;
    m_bContextHelp = true;
    QApplication::setOverrideCursor(Qt::WhatsThisCursor);
    qApp->installEventFilter(this);
}

void CMDIFrameWnd::EndContextHelp()
{
    m_bContextHelp = false;
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
}

// The command behind what a press in context-help mode lands on: a menu item or a command
// button, enabled or not. 0 for anything else, such as a submenu, which opens as usual.
int CMDIFrameWnd::CommandUnderPress(QObject* watched, const QMouseEvent* event) const
{
    if (auto* menu = qobject_cast<QMenu*>(watched)) {
        const QAction* action = menu->actionAt(event->position().toPoint());
        if (!action || action->menu())
            return 0;
        // The recent files are all described by the list's entry, the open windows listed at
        // the end of the Window menu by that menu's first command.
        if (action->property(kRecentEntry).toBool())
            return ID_FILE_MRU_FILE1;
        if (action->property(kWindowEntry).toBool())
            return ID_WINDOW_CASCADE;
        return CommandOf(action);
    }
    if (auto* button = qobject_cast<QToolButton*>(watched))
        return button->defaultAction() ? CommandOf(button->defaultAction()) : 0;
    return 0;
}

bool CMDIFrameWnd::eventFilter(QObject* watched, QEvent* event)
{
    // In context-help mode a press on a menu item or command button shows that command's
    // help instead of running it; a press on the menu bar or a submenu opens it, and Escape or
    // a press anywhere else leaves the mode and does nothing more. Qt shows the application's
    // filters each event twice, for the window and for the widget; only the widget tells what
    // was pressed.
    if (!m_bContextHelp || !watched->isWidgetType())
        return QMainWindow::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        EndContextHelp();
        // An open menu closes with the same key.
        return !QApplication::activePopupWidget();
    }
    if (event->type() != QEvent::MouseButtonPress)
        return QMainWindow::eventFilter(watched, event);
    if (const int id = CommandUnderPress(watched, static_cast<QMouseEvent*>(event))) {
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        ShowCommandHelp(id);
        return true;
    }
    if (qobject_cast<QMenu*>(watched) || qobject_cast<QMenuBar*>(watched))
        return false;
    EndContextHelp();
    return true;
}

void CMDIFrameWnd::ShowCommandHelp(int id)
{
    EndContextHelp();
    OpenHelp(m_helpAnchor ? m_helpAnchor(id) : QString());
}

void CMDIFrameWnd::OnHelpTopics() { OpenHelp(QString()); }

void CMDIFrameWnd::OpenHelp(const QString& anchor)
{
    auto* dialog = new QDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QStringLiteral("%1 Help").arg(QStringLiteral("Pixmora")));
    auto* browser = new QTextBrowser(dialog);
    browser->setHtml(m_helpHtml ? m_helpHtml() : QString());
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(browser);
    dialog->resize(560, 480);
    dialog->show();
    // Scrolling needs the page laid out at the browser's size.
    if (!anchor.isEmpty())
        browser->scrollToAnchor(anchor);
}

void CMDIFrameWnd::OnViewStatusBar() { statusBar()->setVisible(statusBar()->isHidden()); }

void CMDIFrameWnd::OnUpdateViewStatusBar(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(statusBar()->isVisibleTo(this) ? 1 : 0);
}
