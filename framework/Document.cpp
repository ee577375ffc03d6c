// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Document.h"

#include "framework/Archive.h"
#include "framework/AtomicFileWriter.h"
#include "framework/CommandIds.h"
#include "framework/DocTemplate.h"
#include "framework/LastFolder.h"
#include "framework/Platform.h"
#include "framework/Strings.h"
#include "framework/View.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {
// No icon file comes near this; anything larger is refused before it is read into memory.
constexpr qint64 kMaxDocumentBytes = 64 * 1024 * 1024;
}

CDocument::~CDocument() = default;

void CDocument::SetPathName(const QString& path)
{
    m_strPathName = path;
    SetTitle(QFileInfo(path).fileName());
}

void CDocument::SetTitle(const QString& title)
{
    m_strTitle = title;
    OnTitleChanged();
}

bool CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.clear();
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnOpenDocument(const QString& path)
{
    QFile file(path);
    const QFileInfo info(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        AfxMessageBox(FrameworkText::FailedToOpen);
        return false;
    }
    if (file.size() > kMaxDocumentBytes) {
        AfxMessageBox(FrameworkText::UnexpectedFormat);
        return false;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        AfxMessageBox(FrameworkText::FailedToOpen);
        return false;
    }
    DeleteContents();
    try {
        CArchive ar(ToBytes(bytes));
        Serialize(ar);
    } catch (const CArchiveException&) {
        DeleteContents();
        AfxMessageBox(FrameworkText::UnexpectedFormat);
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnSaveDocument(const QString& path)
{
    CArchive ar;
    try {
        Serialize(ar);
    } catch (const CArchiveException&) {
        AfxMessageBox(FrameworkText::FailedToSave);
        return false;
    }
    if (!WriteFileAtomically(path, ar.Buffer())) {
        AfxMessageBox(FrameworkText::FailedToSave);
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

void CDocument::AddView(CView* view)
{
    if (std::find(m_views.begin(), m_views.end(), view) == m_views.end())
        m_views.push_back(view);
}

void CDocument::RemoveView(CView* view) { std::erase(m_views, view); }

void CDocument::UpdateAllViews(CView* sender, long hint, void* hintObject)
{
    // A copy, since an update may open or close windows.
    const auto views = m_views;
    for (CView* view : views)
        if (view != sender)
            view->OnUpdate(sender, hint, hintObject);
}

void CDocument::OnTitleChanged()
{
    if (m_pDocTemplate)
        m_pDocTemplate->OnDocumentTitleChanged(this);
}

bool CDocument::SaveModified()
{
    if (!IsModified())
        return true;
    const QString name = m_strPathName.isEmpty() ? m_strTitle : QFileInfo(m_strPathName).fileName();
    switch (AfxMessageBox(QStringLiteral("Save changes to %1?").arg(name), MB_YESNOCANCEL)) {
    case IDYES:
        return DoFileSave();
    case IDNO:
        return true;
    default:
        return false;
    }
}

bool CDocument::DoFileSave()
{
    if (m_strPathName.isEmpty() || !QFileInfo(m_strPathName).isWritable())
        return DoSave(QString());
    return DoSave(m_strPathName);
}

bool CDocument::DoSave(const QString& path)
{
    QString target = path;
    if (target.isEmpty()) {
        const QString ext = m_pDocTemplate ? m_pDocTemplate->FileExtension() : QString();
        const auto withExtension = [&ext](QString name) {
            return ext.isEmpty() || name.endsWith(ext, Qt::CaseInsensitive) ? name : name + ext;
        };
        // An untitled document is offered its title with the extension, "Icon1.ico".
        const QString proposed
            = withExtension(m_strPathName.isEmpty() ? m_strTitle : m_strPathName);
        target = platform().GetSaveFileName(nullptr,
            m_pDocTemplate ? m_pDocTemplate->FileFilter() : QString(), InLastFileFolder(proposed));
        if (target.isEmpty())
            return false;
        RememberFileFolder(target);
        target = withExtension(target);
    }
    if (!OnSaveDocument(target))
        return false;
    SetPathName(target);
    if (m_pDocTemplate)
        m_pDocTemplate->OnDocumentSaved(this);
    return true;
}

void CDocument::OnCloseDocument()
{
    if (m_pDocTemplate)
        m_pDocTemplate->CloseDocument(this);
}

void CDocument::OnFileClose()
{
    if (SaveModified())
        OnCloseDocument();
}

void CDocument::OnFileSave() { DoFileSave(); }

void CDocument::OnFileSaveAs() { DoSave(QString()); }

bool CDocument::OnCmdMsg(int id, CCmdUI* pCmdUI)
{
    static const CommandMap<CDocument> map = {
        OnCommand(ID_FILE_CLOSE, &CDocument::OnFileClose),
        OnCommand(ID_FILE_SAVE, &CDocument::OnFileSave),
        OnCommand(ID_FILE_SAVE_AS, &CDocument::OnFileSaveAs),
    };
    return DispatchCommand(*this, map, id, pCmdUI) || CCmdTarget::OnCmdMsg(id, pCmdUI);
}
