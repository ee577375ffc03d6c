// SPDX-License-Identifier: GPL-3.0-or-later
// CMDIChildWnd: a document window inside the main frame, holding one view.
#pragma once

#include "framework/CmdTarget.h"
#include "framework/Types.h"

#include <QMdiSubWindow>

class CView;
class CDocument;
class CMultiDocTemplate;

class CMDIChildWnd : public QMdiSubWindow, public CCmdTarget {
    Q_OBJECT
public:
    CMDIChildWnd();
    ~CMDIChildWnd() override;

    CView* GetActiveView() const { return m_pView; }
    CDocument* GetActiveDocument() const;
    // Installs the view (the template does this once).
    void SetView(CView* view, CMultiDocTemplate* docTemplate);

    // Window creation: the rectangle the frame asks for in the main frame's client area. The
    // default cascades; subclasses impose their own.
    virtual CRect CalcFrameRect(const CRect& proposed);
    // Refreshes the caption from the document's title.
    void OnUpdateFrameTitle();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CView* m_pView = nullptr;
    CMultiDocTemplate* m_pTemplate = nullptr;
};
