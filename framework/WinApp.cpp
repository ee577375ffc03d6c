// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/WinApp.h"

#include "framework/CommandIds.h"
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/LastFolder.h"
#include "framework/MDIFrameWnd.h"
#include "framework/Platform.h"
#include "framework/Profile.h"

#include <QApplication>
#include <QFileInfo>

namespace {
CWinApp* g_app = nullptr;
}

CWinApp* AfxGetApp() { return g_app; }

CWinApp::CWinApp() { g_app = this; }

CWinApp::~CWinApp()
{
    // Documents close while their main window still exists; then the window goes, before the
    // template and the lists it refers to.
    if (m_pDocTemplate) {
        m_pDocTemplate->CloseAllDocuments();
        m_pDocTemplate->SetMainFrame(nullptr);
    }
    m_pMainWnd.reset();
    // Whatever the run changed and did not write yet (the main window's settings, the tip's
    // position) is written here, once.
    FlushProfile();
    if (g_app == this)
        g_app = nullptr;
}

int CWinApp::Run()
{
    const int code = QApplication::exec();
    if (m_pRecentFileList)
        m_pRecentFileList->WriteList();
    FlushProfile();
    return code;
}

void CWinApp::ParseCommandLine(CCommandLineInfo& info) const { info.Parse(m_arguments); }

bool CWinApp::ProcessShellCommand(const CCommandLineInfo& info)
{
    switch (info.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        return m_pDocTemplate && m_pDocTemplate->OpenDocumentFile(QString()) != nullptr;
    case CCommandLineInfo::FileOpen: {
        // Every named file gets its own window; one that fails is reported by the open
        // itself and does not keep the others from opening.
        bool anyOpened = false;
        for (const QString& name : info.m_fileNames)
            anyOpened = OpenDocumentFile(name) != nullptr || anyOpened;
        return anyOpened;
    }
    case CCommandLineInfo::FileNothing:
        return true;
    }
    return false;
}

void CWinApp::AddDocTemplate(std::unique_ptr<CMultiDocTemplate> docTemplate)
{
    m_pDocTemplate = std::move(docTemplate);
    m_pDocTemplate->onFileUsed = [this](const QString& path) { AddToRecentFileList(path); };
    if (m_pMainWnd)
        m_pDocTemplate->SetMainFrame(m_pMainWnd.get());
}

CDocument* CWinApp::OpenDocumentFile(const QString& path)
{
    return m_pDocTemplate ? m_pDocTemplate->OpenDocumentFile(path) : nullptr;
}

bool CWinApp::SaveAllModified() { return !m_pDocTemplate || m_pDocTemplate->SaveAllModified(); }

void CWinApp::CloseAllDocuments()
{
    if (m_pDocTemplate)
        m_pDocTemplate->CloseAllDocuments();
}

void CWinApp::LoadStdProfileSettings(int maxRecentFiles)
{
    m_pRecentFileList = std::make_unique<CRecentFileList>(maxRecentFiles);
    m_pRecentFileList->ReadList();
}

void CWinApp::AddToRecentFileList(const QString& path)
{
    if (!m_pRecentFileList)
        return;
    m_pRecentFileList->Add(path);
    // Written at once, so the list survives a crash or a killed session.
    m_pRecentFileList->WriteList();
}

void CWinApp::SetMainWnd(std::unique_ptr<CMDIFrameWnd> frame)
{
    m_pMainWnd = std::move(frame);
    if (m_pDocTemplate)
        m_pDocTemplate->SetMainFrame(m_pMainWnd.get());
    if (m_pMainWnd && m_pRecentFileList)
        m_pMainWnd->SetRecentFileSource([this] { return m_pRecentFileList->Files(); });
}

bool CWinApp::OnCmdMsg(int id, CCmdUI* pCmdUI)
{
    static const CommandMap<CWinApp> map = {
        OnCommandRange(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE4, &CWinApp::OnOpenRecentFile,
            &CWinApp::OnUpdateRecentFile),
        OnCommand(ID_APP_EXIT, &CWinApp::OnAppExit),
    };
    return DispatchCommand(*this, map, id, pCmdUI) || CCmdTarget::OnCmdMsg(id, pCmdUI);
}

void CWinApp::OnFileNew()
{
    if (m_pDocTemplate)
        m_pDocTemplate->OpenDocumentFile(QString());
}

void CWinApp::OnFileOpen()
{
    if (!m_pDocTemplate)
        return;
    const QString path = platform().GetOpenFileName(
        m_pMainWnd.get(), m_pDocTemplate->FileFilter(), LastFileFolder());
    if (path.isEmpty())
        return;
    RememberFileFolder(path);
    OpenDocumentFile(path);
}

void CWinApp::OnOpenRecentFile(int id)
{
    if (!m_pRecentFileList)
        return;
    const int index = id - ID_FILE_MRU_FILE1;
    const QStringList& files = m_pRecentFileList->Files();
    if (index < 0 || index >= files.size())
        return;
    const QString path = files[index];
    if (!OpenDocumentFile(path)) {
        // A file that can no longer be opened leaves the list.
        m_pRecentFileList->Remove(index);
        m_pRecentFileList->WriteList();
    }
}

void CWinApp::OnUpdateRecentFile(CCmdUI* pCmdUI)
{
    const int index = pCmdUI->m_nID - ID_FILE_MRU_FILE1;
    pCmdUI->Enable(m_pRecentFileList && index < m_pRecentFileList->Files().size());
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd)
        m_pMainWnd->close();
}
