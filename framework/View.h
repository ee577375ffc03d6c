// CView: a window that shows a document.
#pragma once

#include <QWidget>

class CDocument;

class CView : public QWidget {
public:
    explicit CView(QWidget* parent = nullptr)
        : QWidget(parent)
    {
    }
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }
    // Attaches the view to its document (the document template does this once).
    void SetDocument(CDocument* doc);

    // The document changed; sender is the view that caused it, or none.
    virtual void OnUpdate(CView* sender, long hint, void* hintObject);

private:
    CDocument* m_pDocument = nullptr;
};
