// SPDX-License-Identifier: GPL-3.0-or-later
// CWinApp: the application object. Owns the document template, the main frame and the
// recent-file list, and handles the file commands every document program shares.
#pragma once

#include "framework/CmdTarget.h"
#include "framework/CommandLineInfo.h"
#include "framework/RecentFileList.h"

#include <QStringList>
#include <memory>

class CDocument;
class CMDIFrameWnd;
class CMultiDocTemplate;

class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Start-up: false ends the program at once.
    virtual bool InitInstance() = 0;
    // Runs the event loop until the main window closes; returns the exit code.
    int Run();

    void ParseCommandLine(CCommandLineInfo& info) const;
    // File New or open every named file; false when that failed (for files: none opened).
    bool ProcessShellCommand(const CCommandLineInfo& info);

    void AddDocTemplate(std::unique_ptr<CMultiDocTemplate> docTemplate);
    CMultiDocTemplate* GetDocTemplate() const { return m_pDocTemplate.get(); }
    // Opens path, or activates its window when already open; null on failure.
    CDocument* OpenDocumentFile(const QString& path);
    bool SaveAllModified();
    void CloseAllDocuments();

    void LoadStdProfileSettings(int maxRecentFiles);
    void AddToRecentFileList(const QString& path);

    void SetMainWnd(std::unique_ptr<CMDIFrameWnd> frame);
    CMDIFrameWnd* GetMainWnd() const { return m_pMainWnd.get(); }

    bool OnCmdMsg(int id, CCmdUI* pCmdUI) override;
    void OnFileNew();
    void OnFileOpen();
    void OnOpenRecentFile(int id);
    void OnUpdateRecentFile(CCmdUI* pCmdUI);
    void OnAppExit();

    // The program's arguments after its name.
    QStringList m_arguments;

private:
    std::unique_ptr<CMultiDocTemplate> m_pDocTemplate;
    std::unique_ptr<CRecentFileList> m_pRecentFileList;
    std::unique_ptr<CMDIFrameWnd> m_pMainWnd;
};

// The one application object, or null before it exists.
CWinApp* AfxGetApp();
