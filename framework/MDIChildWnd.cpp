// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/MDIChildWnd.h"

#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/View.h"

#include <QCloseEvent>
#include <QPointer>

CMDIChildWnd::CMDIChildWnd() { setAttribute(Qt::WA_DeleteOnClose); }

CMDIChildWnd::~CMDIChildWnd() = default;

CDocument* CMDIChildWnd::GetActiveDocument() const
{
    return m_pView ? m_pView->GetDocument() : nullptr;
}

void CMDIChildWnd::SetView(CView* view, CMultiDocTemplate* docTemplate)
{
    m_pView = view;
    m_pTemplate = docTemplate;
    setWidget(view);
    OnUpdateFrameTitle();
}

CRect CMDIChildWnd::CalcFrameRect(const CRect& proposed) { return proposed; }

void CMDIChildWnd::OnUpdateFrameTitle()
{
    if (CDocument* doc = GetActiveDocument())
        setWindowTitle(doc->GetTitle());
}

void CMDIChildWnd::closeEvent(QCloseEvent* event)
{
    CDocument* doc = GetActiveDocument();
    // Only the last window of a document asks to save it.
    if (doc && doc->GetViews().size() == 1 && !doc->SaveModified()) {
        event->ignore();
        return;
    }
    event->accept();
    QMdiSubWindow::closeEvent(event);
    if (doc && m_pView) {
        // Detach now so the document knows at once that this window is gone.
        m_pView->SetDocument(nullptr);
        if (m_pTemplate)
            m_pTemplate->OnFrameClosed(doc);
    }
}
