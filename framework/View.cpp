#include "framework/View.h"

#include "framework/Document.h"

CView::~CView()
{
    if (m_pDocument)
        m_pDocument->RemoveView(this);
}

void CView::SetDocument(CDocument* doc)
{
    if (m_pDocument)
        m_pDocument->RemoveView(this);
    m_pDocument = doc;
    if (doc)
        doc->AddView(this);
}

void CView::OnUpdate(CView*, long, void*) { update(); }
