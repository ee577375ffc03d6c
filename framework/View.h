// SPDX-License-Identifier: GPL-3.0-or-later
// CView: a window that shows a document.
//
// The view keeps an image of its client area that stands for the screen. Drawing reaches it in
// two ways: a CClientDC draws into it at once (and asks Qt to show the touched part), and a
// paint after Invalidate runs OnDraw into it. paintEvent itself only copies the image to the
// widget, so what tests read from ScreenImage() is exactly what the user sees.
//
// One user operation may write thousands of cells, each through its own client DC. While a
// ScreenBatch is open on the view those writes still land in the screen image at once, but Qt
// is asked to repaint only when the outermost batch ends, once, for the bounding rectangle of
// all of them. Every event the view receives runs inside a batch.
//
// A view may also hold back, while a batch is open, screen writes it can make again later from
// surfaces of its own (many small fills that are then one block copy). It makes them in
// OnWriteHeldChanges, which runs before anything else draws on or reads the screen image (a
// client DC, a paint, ScreenImage) and when the outermost batch ends: every write still lands
// in the order it was made, and no paint shows the screen without them. A view must hold
// nothing back while one of its client DCs is drawing.
#pragma once

#include "framework/CmdTarget.h"
#include "framework/Types.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

class CDC;
class CDocument;

class CView : public QWidget, public CCmdTarget {
public:
    class ScreenBatch {
    public:
        explicit ScreenBatch(CView* view);
        // Asks for the repaint when this is the outermost batch, unless the view is gone.
        ~ScreenBatch();
        ScreenBatch(const ScreenBatch&) = delete;
        ScreenBatch& operator=(const ScreenBatch&) = delete;

    private:
        // An operation may close the window whose view it runs in.
        QPointer<CView> m_view;
    };

    explicit CView(QWidget* parent = nullptr);
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }
    // Attaches the view to its document (the document template does this once).
    void SetDocument(CDocument* doc);

    // The document changed; sender is the view that caused it, or none. The default
    // invalidates the whole view.
    virtual void OnUpdate(CView* sender, long hint, void* hintObject);

    // Draws the whole client area; called by the next paint after Invalidate.
    virtual void OnDraw(CDC* pDC);

    // Makes the next paint run OnDraw over the screen image, after filling it with the window
    // background when erase is true (an erase requested by any pending call sticks).
    void Invalidate(bool bErase = true);
    // Runs a pending OnDraw now, as a paint would, and shows the result. A view is first drawn
    // as if invalidated with erasing. An Invalidate made by OnDraw itself stays pending for the
    // following paint.
    void UpdateWindow();

    CRect GetClientRect() const { return { 0, 0, width(), height() }; }
    // A solid rectangle straight into the screen image, clipped to it and shown like a client
    // DC's drawing, without setting up a device context: for views that write thousands of
    // cells in one operation.
    void FillScreenRect(const CRect& rect, COLORREF colour);
    // The screen image, at least as large as the client area.
    const QImage& ScreenImage();

protected:
    // True while a ScreenBatch is open on the view.
    bool IsScreenBatchOpen() const { return m_batchDepth > 0; }
    // Makes the screen writes the view held back (see the header comment). The screen image
    // may be drawn on from here; what is written is shown as a client DC's drawing is.
    virtual void OnWriteHeldChanges() { }
    // Runs OnWriteHeldChanges now, unless it is already running.
    void WriteHeldChanges();
    // Copies the rectangle source of image (32-bit RGB) to the screen image with its top-left
    // corner at `to`, clipped to both images, and shows what it wrote like a client DC.
    void CopyToScreen(const QImage& image, const CRect& source, CPoint to);

    // Fills the client area with the window's background colour before an erasing OnDraw.
    virtual void OnEraseBkgnd(CDC* pDC);

    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    friend class CClientDC;

    // The screen image, grown to the client area first (new parts need a redraw), with the
    // held-back writes made.
    QImage& Screen();
    // A client DC changed pixels in rect.
    void ScreenChanged(const CRect& rect);
    void ShowPendingChanges();
    void DrawPending();

    CDocument* m_pDocument = nullptr;
    QImage m_screen;
    bool m_bDrawPending = true;
    bool m_bErasePending = true;
    // Bounding box of the screen changes not yet shown; Qt is asked to repaint it as one
    // rectangle.
    CRect m_pendingShow;
    // Open ScreenBatch scopes.
    int m_batchDepth = 0;
    // Set while OnWriteHeldChanges runs: its own screen access must not start it again.
    bool m_bWritingHeld = false;
};
