// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/AddTextDlg.h"

#include "framework/DC.h"
#include "framework/QtColor.h"
#include "resources/Resource.h"

#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>

namespace {

using enum ControlKind;

// In tab order.
constexpr DialogControl kControls[] = {
    { IDC_TEXT_EDIT, Edit, "", 7, 7, 107, 14 },
    { IDOK, DefPushButton, "Apply Text", 124, 7, 55, 14 },
    { IDCANCEL, PushButton, "Cancel", 124, 32, 55, 14 },
    { IDC_TEXT_FONT, PushButton, "Get Font...", 124, 57, 55, 14 },
    { IDC_TEXT_UP, PushButton, "text up", 68, 25, 46, 14 },
    { IDC_TEXT_LEFT, PushButton, "<---", 68, 41, 19, 14 },
    { IDC_TEXT_RIGHT, PushButton, "--->", 95, 41, 19, 14 },
    { IDC_TEXT_DOWN, PushButton, "text down", 68, 57, 46, 14 },
};
constexpr DialogTemplate kTemplate { "Add Text", 186, 77, kControls };

constexpr COLORREF kGlyph = RGB(255, 255, 255);

} // namespace

CAddTextDlg::CAddTextDlg(CBitmap* source, int n, QWidget* parent)
    : CDialog(kTemplate, parent,
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
            | Qt::WindowContextHelpButtonHint)
    , m_pSource(source)
    , m_n(n)
{
    connect(TextEdit(), &QLineEdit::textChanged, this, &CAddTextDlg::OnChangeText);
    ConnectClicked(IDC_TEXT_FONT, &CAddTextDlg::OnGetFont);
    ConnectClicked(IDC_TEXT_LEFT, &CAddTextDlg::OnTextLeft);
    ConnectClicked(IDC_TEXT_RIGHT, &CAddTextDlg::OnTextRight);
    ConnectClicked(IDC_TEXT_DOWN, &CAddTextDlg::OnTextDown);
    ConnectClicked(IDC_TEXT_UP, &CAddTextDlg::OnTextUp);
    m_screen = QImage(size(), QImage::Format_RGB32);
    m_screen.fill(palette().color(QPalette::Window));
}

QLineEdit* CAddTextDlg::TextEdit() const { return GetDlgItem<QLineEdit>(IDC_TEXT_EDIT); }

void CAddTextDlg::DoDataExchange(CDataExchange& dx) { dx.Text(IDC_TEXT_EDIT, m_text); }

CPoint CAddTextDlg::FrameTopLeft() const
{
    // The frame is one pixel outside the image, which sits centred on the backdrop.
    const int border = (kBackdrop.Width() - m_n) / 2;
    return { kBackdrop.left - 1 + border, kBackdrop.top - 1 + border };
}

void CAddTextDlg::MakePreview()
{
    if (m_bPreviewMade)
        return;
    m_bmpPreview.CreateCompatibleBitmap(m_n, m_n);
    CopySourceToPreview();
    m_bPreviewMade = true;
}

void CAddTextDlg::CopySourceToPreview()
{
    CDC previewDC(&m_bmpPreview);
    const CDC sourceDC(m_pSource);
    previewDC.BitBlt(0, 0, m_n, m_n, &sourceDC, 0, 0, SRCCOPY);
}

void CAddTextDlg::ShowPreview(CDC& dc)
{
    const CPoint frame = FrameTopLeft();
    dc.Rectangle(frame.x, frame.y, frame.x + m_n + 2, frame.y + m_n + 2);
    const CDC previewDC(&m_bmpPreview);
    dc.BitBlt(frame.x + 1, frame.y + 1, m_n, m_n, &previewDC, 0, 0, SRCCOPY);
}

void CAddTextDlg::OnPaint()
{
    MakePreview();
    CDC dc(&m_screen);
    dc.Rectangle(kBackdrop);
    ShowPreview(dc);
}

void CAddTextDlg::paintEvent(QPaintEvent* event)
{
    OnPaint();
    QPainter painter(this);
    painter.drawImage(event->rect(), m_screen, event->rect());
}

void CAddTextDlg::WriteText(CDC& dc, COLORREF colour) const
{
    if (m_font)
        dc.SelectObject(*m_font);
    dc.SetTextColor(colour);
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(m_x, m_y, m_text);
}

void CAddTextDlg::Recompose()
{
    UpdateData(true);
    MakePreview();
    CopySourceToPreview(); // drops the text written before
    {
        CDC previewDC(&m_bmpPreview);
        WriteText(previewDC, m_textColor);
    }
    CDC dc(&m_screen);
    ShowPreview(dc);
    const CPoint frame = FrameTopLeft();
    update(frame.x, frame.y, m_n + 2, m_n + 2);
}

void CAddTextDlg::Nudge(int dx, int dy)
{
    m_x += dx;
    m_y += dy;
    Recompose();
}

void CAddTextDlg::OnGetFont()
{
    std::optional<FontChoice> initial;
    if (m_bFontChosen)
        initial = FontChoice { m_logFont, m_textColor };
    const std::optional<FontChoice> chosen = platform().ChooseFont(this, initial);
    if (!chosen)
        return;
    m_logFont = chosen->font;
    // A Qt font always resolves to some installed face, so making one from the description
    // cannot fail; the nearest match stands in for a family that is not installed.
    m_font = m_logFont;
    m_textColor = chosen->color;
    Recompose();
    m_bFontChosen = true;
}

void CAddTextDlg::OnOK()
{
    UpdateData(true);
    {
        CDC sourceDC(m_pSource);
        WriteText(sourceDC, m_textColor);
    }
    // The same text, white on black, tells the view which pixels are the text's: comparing
    // colours could not, since a glyph may land on a pixel that already shows its colour.
    m_bmpGlyphs.CreateCompatibleBitmap(m_n, m_n);
    CDC glyphDC(&m_bmpGlyphs);
    WriteText(glyphDC, kGlyph);
    EndDialog(IDOK);
}

bool CAddTextDlg::IsGlyphPixel(int x, int y) const { return m_bmpGlyphs.GetPixel(x, y) == kGlyph; }
