// SPDX-License-Identifier: GPL-3.0-or-later
// CMDIFrameWnd: the main window. Holds the document windows, the menu bar, the status bar and
// the accelerators, and routes every command along the chain
//   active view -> its document -> its child frame -> this frame -> the application.
#pragma once

#include "framework/CmdTarget.h"
#include "framework/Menu.h"
#include "framework/Types.h"

#include <QKeySequence>
#include <QMainWindow>
#include <functional>
#include <map>
#include <vector>

class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QMouseEvent;
class QLabel;
class CMDIChildWnd;
class CView;
class CDocument;

// Prompt and tooltip of a command, as the string table holds them.
struct CommandStrings {
    QString prompt;
    QString tooltip;
};

class CMDIFrameWnd : public QMainWindow, public CCmdTarget {
    Q_OBJECT
public:
    CMDIFrameWnd();
    ~CMDIFrameWnd() override;

    // Where command texts come from (prompt for the status bar, tooltip for buttons).
    void SetCommandStrings(std::function<CommandStrings(int)> lookup);
    // The menu bar shown with no document open, and the one shown while one is.
    void SetMenus(const Menu* frameMenu, const Menu* documentMenu);
    void SetAccelerators(const std::vector<std::pair<QKeySequence, int>>& accelerators);
    // The status bar message shown when no prompt is.
    void SetIdleMessage(const QString& text);
    // Gives the "Recent File" placeholder its current entries.
    void SetRecentFileSource(std::function<QStringList()> source);
    // Where the help window's page comes from, and the name of the anchor at which context
    // help opens it for a command.
    void SetHelpSource(std::function<QString()> html, std::function<QString(int)> anchor);

    QMdiArea* MdiArea() const { return m_mdiArea; }
    CMDIChildWnd* MDIGetActive() const;
    std::vector<CMDIChildWnd*> ChildFrames() const;
    // Takes a new document window into the client area. Done before the window gets its view,
    // the view's many widgets join the client area once, with the view, instead of moving
    // there with the window.
    void AdoptChildFrame(CMDIChildWnd* frame);
    // Places, shows and activates a document window the client area has adopted.
    void ShowChildFrame(CMDIChildWnd* frame, const CRect& rect);
    void MDIActivate(CMDIChildWnd* frame);
    CView* GetActiveView() const;
    CDocument* GetActiveDocument() const;

    // Routes a command (pCmdUI null) or its update along the chain; false when nobody handles it.
    bool RouteCommand(int id, CCmdUI* pCmdUI);
    // What a menu item, button or key does: checks the command is enabled, then routes it. In
    // context-help mode it opens the command's help instead.
    void ExecuteCommand(int id);
    // The command's enabled and checked state as the chain answers it.
    CCmdUI QueryCommand(int id);

    // The one action of a command, shared by toolbars and palettes.
    QAction* CommandAction(int id);
    // Builds a menu from data; every item routes its command and is updated before it opens.
    void BuildMenu(QMenu* menu, const std::vector<MenuItem>& items);
    // Refreshes the enabled and checked state of every shared action (palette buttons).
    void UpdateCommandActions();
    // Shows the menu bar that fits: the document menu while any document window is open.
    void UpdateMenuBar();
    // "icon - <active document>", or the application title alone.
    void UpdateFrameTitle();

    // The session ends without asking (a termination signal): what the frame keeps between
    // runs is written; documents are left as they are.
    void EndSession();

    bool InContextHelpMode() const { return m_bContextHelp; }

    bool OnCmdMsg(int id, CCmdUI* pCmdUI) override;

    // Window, help and control-bar commands handled by every main frame.
    void OnWindowCascade();
    void OnWindowTile();
    void OnWindowArrange();
    void OnContextHelp();
    void OnHelpTopics();
    void OnViewStatusBar();
    void OnUpdateViewStatusBar(CCmdUI* pCmdUI);

protected:
    // The frame is about to close for good: a subclass saves what it keeps between runs.
    virtual void OnDestroyFrame() { }
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The bars are shown and hidden through the View menu only, so their flags stay true.
    QMenu* createPopupMenu() override { return nullptr; }
    void ShowMenu(const Menu* menu);
    void UpdateMenuItems(QMenu* menu);

private:
    void FillWindowList(QMenu* menu);
    void EndContextHelp();
    int CommandUnderPress(QObject* watched, const QMouseEvent* event) const;
    // Leaves context-help mode and opens the help page at the command's entry.
    void ShowCommandHelp(int id);
    // Opens the help page, at the anchor when one is given.
    void OpenHelp(const QString& anchor);
    void FillRecentFiles(QMenu* menu);

    QMdiArea* m_mdiArea;
    std::function<CommandStrings(int)> m_commandStrings;
    std::function<QStringList()> m_recentFiles;
    std::function<QString()> m_helpHtml;
    std::function<QString(int)> m_helpAnchor;
    const Menu* m_frameMenu = nullptr;
    const Menu* m_documentMenu = nullptr;
    const Menu* m_shownMenu = nullptr;
    std::map<int, QAction*> m_actions;
    QString m_idleMessage;
    bool m_bContextHelp = false;
    bool m_bClosing = false;
};
