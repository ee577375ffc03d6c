// SPDX-License-Identifier: GPL-3.0-or-later
// The "Add Text" dialog: the user types one line of text, picks its font and colour, nudges it
// pixel by pixel over a preview of the image at its real size, and applies it. Applying writes
// the text on the source surface, the view's actual-size bitmap of the active image, and notes
// which pixels the glyphs covered; the view then takes those pixels into the document.
// Nothing is kept between uses: every dialog starts with the text at (1, 1), in the system
// font and in black.
#pragma once

#include "framework/Bitmap.h"
#include "framework/Dialog.h"
#include "framework/Types.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <optional>

class CDC;
class QLineEdit;

class CAddTextDlg : public CDialog {
    Q_OBJECT
public:
    // source is the n x n surface the text is applied to; it is not owned and must outlive
    // the dialog. DoModal answers IDOK when the text was applied, IDCANCEL otherwise.
    CAddTextDlg(CBitmap* source, int n, QWidget* parent = nullptr);

    // The edit box the text is typed in.
    QLineEdit* TextEdit() const;

    // The preview area in client pixels: a square backdrop with the image framed at its centre.
    static constexpr CRect kBackdrop { 15, 45, 85, 115 };
    // Top-left corner of the image's frame; the image itself starts one pixel further in.
    CPoint FrameTopLeft() const;

    // Handlers
    void OnPaint();
    void OnChangeText() { Recompose(); }
    void OnTextLeft() { Nudge(-1, 0); }
    void OnTextRight() { Nudge(1, 0); }
    void OnTextDown() { Nudge(0, 1); }
    void OnTextUp() { Nudge(0, -1); }
    void OnGetFont();
    // Writes the text on the preview, over a fresh copy of the source, and shows it.
    void Recompose();

    // After the text was applied: whether the glyphs covered pixel (x, y) of the source.
    bool IsGlyphPixel(int x, int y) const;

    // The dialog's client area as it is shown (the controls draw over it).
    const QImage& ScreenImage() const { return m_screen; }

    CBitmap* m_pSource;
    int m_n;
    CBitmap m_bmpPreview;
    bool m_bPreviewMade = false;
    // Empty until a font is chosen: the text is then written in the system font.
    std::optional<QFont> m_font;
    bool m_bFontChosen = false;
    // The font description last returned by the font dialog.
    QFont m_logFont;
    COLORREF m_textColor = RGB(0, 0, 0);
    // Top-left corner of the text's character cell, in image pixels; may lie outside the image.
    int m_x = 1;
    int m_y = 1;
    QString m_text;

protected:
    // The edit box with m_text.
    void DoDataExchange(CDataExchange& dx) override;
    // "Apply Text": writes the text on the source and ends the dialog with IDOK.
    void OnOK() override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Nudge(int dx, int dy);
    void MakePreview();
    void CopySourceToPreview();
    // Writes the text with the dialog's font at (m_x, m_y) in colour, on a transparent
    // background, so only the glyph pixels change.
    void WriteText(CDC& dc, COLORREF colour) const;
    // The image's frame and the preview inside it, on the client area.
    void ShowPreview(CDC& dc);

    QImage m_screen;
    // White where the applied text's glyphs fell, black elsewhere.
    CBitmap m_bmpGlyphs;
};
