// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/AddTextDlg.h"

#include "framework/DC.h"
#include "framework/DialogUnits.h"
#include "framework/QtColor.h"
#include "resources/Resource.h"

#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>

namespace {

enum class Kind { DefaultButton, Button, Edit, NudgeButton };

using Control = ControlTemplate<Kind>;

// The dialog template, in tab order.
constexpr Control kTemplate[] = {
    { IDC_TEXT_EDIT, Kind::Edit, "", 7, 7, 107, 14 },
    { IDOK, Kind::DefaultButton, "Apply Text", 124, 7, 55, 14 },
    { IDCANCEL, Kind::Button, "Cancel", 124, 32, 55, 14 },
    { IDC_TEXT_FONT, Kind::Button, "Get Font...", 124, 57, 55, 14 },
    { IDC_TEXT_UP, Kind::NudgeButton, "text up", 68, 25, 46, 14 },
    { IDC_TEXT_LEFT, Kind::NudgeButton, "<---", 68, 41, 19, 14 },
    { IDC_TEXT_RIGHT, Kind::NudgeButton, "--->", 95, 41, 19, 14 },
    { IDC_TEXT_DOWN, Kind::NudgeButton, "text down", 68, 57, 46, 14 },
};
constexpr int kDialogWidth = 186;
constexpr int kDialogHeight = 77;

constexpr COLORREF kGlyph = RGB(255, 255, 255);

} // namespace

CAddTextDlg::CAddTextDlg(CBitmap* source, int n, QWidget* parent)
    : QDialog(parent,
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
            | Qt::WindowContextHelpButtonHint)
    , m_pSource(source)
    , m_n(n)
{
    setWindowTitle(QStringLiteral("Add Text"));
    CreateControls();
    m_screen = QImage(size(), QImage::Format_RGB32);
    m_screen.fill(palette().color(QPalette::Window));
}

void CAddTextDlg::CreateControls()
{
    const DialogUnits units(font());
    setFixedSize(units.Size(kDialogWidth, kDialogHeight));

    for (const Control& control : kTemplate) {
        const QString text = QString::fromLatin1(control.text);
        QWidget* widget = nullptr;
        if (control.kind == Kind::Edit) {
            auto* edit = new QLineEdit(this);
            connect(edit, &QLineEdit::textChanged, this, &CAddTextDlg::OnChangeText);
            widget = edit;
        } else {
            auto* button = new QPushButton(text, this);
            button->setDefault(control.kind == Kind::DefaultButton);
            widget = button;
        }
        widget->setObjectName(QString::number(control.id));
        widget->setGeometry(units.Rect(control));
    }

    const auto onClick = [this](int id, void (CAddTextDlg::*handler)()) {
        connect(static_cast<QPushButton*>(GetDlgItem(id)), &QPushButton::clicked, this, handler);
    };
    onClick(IDOK, &CAddTextDlg::accept);
    onClick(IDCANCEL, &CAddTextDlg::reject);
    onClick(IDC_TEXT_FONT, &CAddTextDlg::OnGetFont);
    onClick(IDC_TEXT_LEFT, &CAddTextDlg::OnTextLeft);
    onClick(IDC_TEXT_RIGHT, &CAddTextDlg::OnTextRight);
    onClick(IDC_TEXT_DOWN, &CAddTextDlg::OnTextDown);
    onClick(IDC_TEXT_UP, &CAddTextDlg::OnTextUp);
}

QWidget* CAddTextDlg::GetDlgItem(int id) const
{
    return findChild<QWidget*>(QString::number(id), Qt::FindDirectChildrenOnly);
}

QLineEdit* CAddTextDlg::TextEdit() const
{
    return static_cast<QLineEdit*>(GetDlgItem(IDC_TEXT_EDIT));
}

int CAddTextDlg::DoModal() { return platform().DoModal(*this); }

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
    m_text = TextEdit()->text();
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

void CAddTextDlg::accept()
{
    m_text = TextEdit()->text();
    {
        CDC sourceDC(m_pSource);
        WriteText(sourceDC, m_textColor);
    }
    // The same text, white on black, tells the view which pixels are the text's: comparing
    // colours could not, since a glyph may land on a pixel that already shows its colour.
    m_bmpGlyphs.CreateCompatibleBitmap(m_n, m_n);
    CDC glyphDC(&m_bmpGlyphs);
    WriteText(glyphDC, kGlyph);
    QDialog::accept();
}

bool CAddTextDlg::IsGlyphPixel(int x, int y) const { return m_bmpGlyphs.GetPixel(x, y) == kGlyph; }
