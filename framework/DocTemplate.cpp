// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/DocTemplate.h"

#include "framework/Document.h"
#include "framework/MDIChildWnd.h"
#include "framework/MDIFrameWnd.h"
#include "framework/View.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QTimer>
#include <algorithm>

CMultiDocTemplate::CMultiDocTemplate(int /*resourceId*/, const QString& docString,
    DocumentFactory makeDocument, FrameFactory makeFrame, ViewFactory makeView)
    : m_docFields(docString.split(QLatin1Char('\n')))
    , m_makeDocument(std::move(makeDocument))
    , m_makeFrame(std::move(makeFrame))
    , m_makeView(std::move(makeView))
{
}

CMultiDocTemplate::~CMultiDocTemplate() { CloseAllDocuments(); }

QString CMultiDocTemplate::DocString(int field) const
{
    return field < m_docFields.size() ? m_docFields[field] : QString();
}

QString CMultiDocTemplate::FileFilter() const
{
    return QStringLiteral("%1 (*%2)").arg(DocString(3), FileExtension());
}

CDocument* CMultiDocTemplate::FindOpenDocument(const QString& path) const
{
    const QString wanted = QFileInfo(path).absoluteFilePath();
    for (const auto& doc : m_documents)
        if (!doc->GetPathName().isEmpty()
            && QFileInfo(doc->GetPathName()).absoluteFilePath() == wanted)
            return doc.get();
    return nullptr;
}

CDocument* CMultiDocTemplate::OpenDocumentFile(const QString& path)
{
    if (!path.isEmpty()) {
        if (CDocument* open = FindOpenDocument(path)) {
            const auto frames = FramesOf(open);
            if (!frames.empty() && m_pMainFrame)
                m_pMainFrame->MDIActivate(frames.front());
            return open;
        }
    }
    std::unique_ptr<CDocument> doc = m_makeDocument();
    doc->m_pDocTemplate = this;
    if (path.isEmpty()) {
        doc->SetTitle(BaseName() + QString::number(++m_nUntitledCount));
        if (!doc->OnNewDocument())
            return nullptr;
    } else {
        // The document is read completely before any window shows it, so a file that fails
        // to open leaves nothing behind.
        if (!doc->OnOpenDocument(path))
            return nullptr;
        doc->SetPathName(QFileInfo(path).absoluteFilePath());
    }
    CDocument* raw = doc.get();
    m_documents.push_back(std::move(doc));
    CreateFrame(raw);
    if (!path.isEmpty()) {
        if (onFileUsed)
            onFileUsed(raw->GetPathName());
        TellOpened(raw);
    }
    return raw;
}

void CMultiDocTemplate::TellOpened(CDocument* doc)
{
    // A file named on the command line is opened before the main window shows; what the
    // document has to say waits until the window is there to own the message.
    if (!m_pMainFrame || m_pMainFrame->isVisible()) {
        doc->OnOpenedInWindow();
        return;
    }
    QTimer::singleShot(0, m_pMainFrame, [this, doc] {
        const bool stillOpen = std::any_of(m_documents.begin(), m_documents.end(),
            [doc](const auto& owned) { return owned.get() == doc; });
        if (stillOpen)
            doc->OnOpenedInWindow();
    });
}

CMDIChildWnd* CMultiDocTemplate::CreateFrame(CDocument* doc)
{
    CMDIChildWnd* frame = m_makeFrame();
    if (m_pMainFrame)
        m_pMainFrame->AdoptChildFrame(frame);
    CView* view = m_makeView();
    view->SetDocument(doc);
    frame->SetView(view, this);
    const CRect rect = frame->CalcFrameRect(CRect(0, 0, 400, 300));
    if (m_pMainFrame)
        m_pMainFrame->ShowChildFrame(frame, rect);
    // The initial update: views learn about their document before the first paint.
    view->OnUpdate(nullptr, 0, nullptr);
    return frame;
}

std::vector<CMDIChildWnd*> CMultiDocTemplate::FramesOf(CDocument* doc) const
{
    std::vector<CMDIChildWnd*> frames;
    for (CView* view : doc->GetViews())
        for (QWidget* w = view; w; w = w->parentWidget())
            if (auto* frame = dynamic_cast<CMDIChildWnd*>(w)) {
                frames.push_back(frame);
                break;
            }
    return frames;
}

void CMultiDocTemplate::CloseDocument(CDocument* doc)
{
    for (CMDIChildWnd* frame : FramesOf(doc)) {
        // Detached first, so the window closes without asking again.
        if (CView* view = frame->GetActiveView())
            view->SetDocument(nullptr);
        frame->close();
    }
    OnFrameClosed(doc);
}

void CMultiDocTemplate::OnFrameClosed(CDocument* doc)
{
    if (!doc->GetViews().empty())
        return;
    std::erase_if(m_documents, [doc](const auto& owned) { return owned.get() == doc; });
    if (m_pMainFrame)
        m_pMainFrame->UpdateMenuBar();
}

void CMultiDocTemplate::OnDocumentTitleChanged(CDocument* doc)
{
    for (CMDIChildWnd* frame : FramesOf(doc))
        frame->OnUpdateFrameTitle();
    if (m_pMainFrame)
        m_pMainFrame->UpdateFrameTitle();
}

void CMultiDocTemplate::OnDocumentSaved(CDocument* doc)
{
    if (onFileUsed)
        onFileUsed(doc->GetPathName());
}

bool CMultiDocTemplate::SaveAllModified()
{
    for (const auto& doc : m_documents)
        if (!doc->SaveModified())
            return false;
    return true;
}

void CMultiDocTemplate::CloseAllDocuments()
{
    while (!m_documents.empty())
        CloseDocument(m_documents.back().get());
}
