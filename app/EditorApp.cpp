// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/EditorApp.h"

#include "app/AboutBox.h"
#include "app/ChildFrame.h"
#include "canvas/IconView.h"
#include "dialogs/SplashBitmapWnd.h"
#include "dialogs/StartupTipDlg.h"
#include "document/IconDoc.h"
#include "frame/MainFrame.h"
#include "framework/DataFiles.h"
#include "framework/DocTemplate.h"
#include "framework/FileDropTarget.h"
#include "framework/Profile.h"
#include "framework/SharedIconStyle.h"
#include "resources/CommandTexts.h"
#include "resources/Resource.h"

#include <QApplication>
#include <QFileInfo>
#include <cstdio>

namespace {
const char* const kUsage = "Usage: pixmora [OPTION]... [FILE.ico]...\n"
                           "Edit Windows icon files (16, 32 and 48 pixel images).\n\n"
                           "  FILE.ico        open each icon in a window of its own\n"
                           "  -Embedding, -Automation\n"
                           "                  start without the splash window and tip of the day\n"
                           "  --data-files    show where the tips and sounds are found and exit\n"
                           "  -h, --help      show this help and exit\n"
                           "  -v, --version   show the version and exit\n"
                           "  --              take every following argument as a file name\n";

// The files the editor reads at run time: the tips of the day and the tool sounds.
const char* const kDataFiles[] = { "tips.txt", "tool.wav", "size.wav", "alias.wav" };

// Prints where each data file is found, one "name: path" line each; false when one is missing.
bool PrintDataFiles()
{
    bool allFound = true;
    for (const char* name : kDataFiles) {
        const QFileInfo found(LocateDataFile(QString::fromLatin1(name)));
        const bool exists = found.isFile();
        allFound = allFound && exists;
        std::printf("%s: %s\n", name, exists ? qPrintable(found.absoluteFilePath()) : "not found");
    }
    return allFound;
}
}

// Hands every event of the application to PreTranslateMessage before it is dispatched.
class CEditorApp::EventFilter : public QObject {
public:
    explicit EventFilter(CEditorApp& app)
        : m_app(app)
    {
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        return m_app.PreTranslateMessage(watched, event);
    }

private:
    CEditorApp& m_app;
};

CEditorApp::CEditorApp() = default;

CEditorApp::~CEditorApp()
{
    if (m_pEventFilter)
        qApp->removeEventFilter(m_pEventFilter.get());
}

bool CEditorApp::InitInstance()
{
    // 1. The command line.
    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (!cmdInfo.m_unknownSwitches.isEmpty()) {
        std::fprintf(stderr, "pixmora: unknown option %s\n%s",
            qPrintable(cmdInfo.m_unknownSwitches.front()), kUsage);
        m_nStartupExitCode = 2;
        return false;
    }
    if (cmdInfo.m_bHelp || cmdInfo.m_bVersion) {
        std::fputs(cmdInfo.m_bHelp ? kUsage : "pixmora " PIXMORA_VERSION "\n", stdout);
        m_nStartupExitCode = 0;
        return false;
    }
    if (cmdInfo.m_bDataFiles) {
        m_nStartupExitCode = PrintDataFiles() ? 0 : 1;
        return false;
    }

    // Every event passes PreTranslateMessage from here on: the splash appears while the main
    // frame is created and must see the first press, even one on the tip of the day.
    m_pEventFilter = std::make_unique<EventFilter>(*this);
    qApp->installEventFilter(m_pEventFilter.get());
    // Before the first window: every window and palette shares the style's standard icons.
    ShareStandardIcons();

    // 2. The splash may show unless a file is being opened or we run embedded.
    const bool openingFile = cmdInfo.m_nShellCommand == CCommandLineInfo::FileOpen;
    if (!openingFile)
        CSplashBitmapWnd::EnableSplash(cmdInfo.m_bShowSplash);

    // 3. (Three-dimensional controls are what Qt draws anyway.)
    // 4. The settings store.
    SetRegistryKey(QStringLiteral("vrek"));
    // 5. The recent-file list.
    LoadStdProfileSettings(4);

    // 6. The icon document type.
    AddDocTemplate(std::make_unique<CMultiDocTemplate>(
        IDR_ICONTYPE, LoadResourceString(IDR_ICONTYPE), [] { return std::make_unique<CIconDoc>(); },
        [] { return new CChildFrame; }, [] { return new CIconView; }));

    // 7-8. The main frame.
    auto mainFrame = std::make_unique<CMainFrame>();
    if (!mainFrame->LoadFrame(IDR_MAINFRAME))
        return false;
    SetMainWnd(std::move(mainFrame));
    // Files dropped from a file manager open as File > Open opens them.
    new CFileDropTarget(*GetMainWnd(), [this](const QString& path) { OpenDocumentFile(path); });

    // 9. New document or the named file.
    if (!ProcessShellCommand(cmdInfo))
        return false;

    // 10. Show and paint at once.
    GetMainWnd()->show();
    GetMainWnd()->activateWindow();
    GetMainWnd()->repaint();

    // 11. The tip of the day, unless a file was named.
    if (!openingFile)
        ShowStartupTip();
    return true;
}

bool CEditorApp::PreTranslateMessage(QObject* watched, QEvent* event)
{
    return CSplashBitmapWnd::SplashPreTranslate(watched, event);
}

void CEditorApp::ShowStartupTip()
{
    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (!cmdInfo.m_bShowSplash)
        return;
    // Constructed even when it is not shown: that still moves the walk on by one tip.
    CStartupTipDlg tip;
    if (tip.m_bStartup == 1)
        tip.DoModal();
}

bool CEditorApp::OnCmdMsg(int id, CCmdUI* pCmdUI)
{
    static const CommandMap<CEditorApp> map = {
        OnCommand<CEditorApp>(ID_TIP_OF_THE_DAY, &CEditorApp::OnHelpTipOfTheDay),
        OnCommand<CEditorApp>(ID_APP_ABOUT, &CEditorApp::OnHelpAbout),
        OnCommand<CEditorApp>(ID_FILE_NEW, &CEditorApp::OnFileNew),
        OnCommand<CEditorApp>(ID_FILE_OPEN, &CEditorApp::OnFileOpen),
    };
    return DispatchCommand(*this, map, id, pCmdUI) || CWinApp::OnCmdMsg(id, pCmdUI);
}

void CEditorApp::OnHelpAbout()
{
    CAboutBox about(GetMainWnd());
    about.DoModal();
}

void CEditorApp::OnHelpTipOfTheDay()
{
    CStartupTipDlg tip;
    tip.DoModal();
}
