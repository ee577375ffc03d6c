// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/QtPlatform.h"

#include "framework/MDIFrameWnd.h"
#include "framework/QtColor.h"
#include "framework/WinApp.h"
#include "framework/sound/SoundModule.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QMessageBox::Icon IconOf(unsigned style)
{
    switch (style & 0xF0) {
    case MB_ICONSTOP:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QWidget* ActiveWindow()
{
    QWidget* w = QApplication::activeModalWidget();
    return w ? w : QApplication::activeWindow();
}

// Gives the keyboard back to the window that had it when a modal dialog closes. Without a
// window manager nobody else does, and the accelerators would stay dead until a click.
class ReturnFocus {
public:
    ReturnFocus()
        : m_window(QApplication::activeWindow())
    {
        if (!m_window && AfxGetApp())
            m_window = AfxGetApp()->GetMainWnd();
    }
    ~ReturnFocus()
    {
        if (m_window && m_window->isVisible())
            m_window->activateWindow();
    }
    ReturnFocus(const ReturnFocus&) = delete;
    ReturnFocus& operator=(const ReturnFocus&) = delete;

private:
    QPointer<QWidget> m_window;
};

} // namespace

int QtPlatform::MessageBox(const QString& text, const QString& caption, unsigned style)
{
    const ReturnFocus returnFocus;
    QMessageBox box(IconOf(style), caption, text, QMessageBox::NoButton, ActiveWindow());
    switch (style & 0xF) {
    case MB_OKCANCEL:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MB_YESNOCANCEL:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case MB_YESNO:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    case QMessageBox::Cancel:
        return IDCANCEL;
    default:
        return IDOK;
    }
}

std::optional<COLORREF> QtPlatform::ChooseColor(QWidget* parent, COLORREF initial)
{
    const ReturnFocus returnFocus;
    const QColor chosen = QColorDialog::getColor(
        QColor(GetRValue(initial), GetGValue(initial), GetBValue(initial)), parent);
    if (!chosen.isValid())
        return std::nullopt;
    return RGB(chosen.red(), chosen.green(), chosen.blue());
}

std::optional<FontChoice> QtPlatform::ChooseFont(
    QWidget* parent, const std::optional<FontChoice>& initial)
{
    const ReturnFocus returnFocus;
    // Qt's font dialog offers the family, style, size, underline and strike-out but no colour,
    // so it is embedded without its own buttons and a colour choice is put beside them.
    QDialog dialog(parent ? parent : ActiveWindow());
    dialog.setWindowTitle(QStringLiteral("Font"));
    auto* fonts = new QFontDialog(&dialog);
    fonts->setWindowFlags(Qt::Widget);
    fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    // Without a description of its own the dialog shows the font text is written in until one
    // is chosen, rather than the first family it happens to list.
    fonts->setCurrentFont(initial ? initial->font : QApplication::font());
    // The embedded dialog still answers Escape (and a double-click) by closing itself; that
    // closes the whole dialog, or it would leave an empty frame behind.
    QObject::connect(fonts, &QDialog::finished, &dialog, &QDialog::done);

    COLORREF color = initial ? initial->color : RGB(0, 0, 0);
    auto* colorButton = new QPushButton(&dialog);
    const auto showColor = [&] {
        QPixmap swatch(40, 14);
        swatch.fill(ToQColor(color));
        colorButton->setIcon(swatch);
        colorButton->setIconSize(swatch.size());
    };
    showColor();
    QObject::connect(colorButton, &QPushButton::clicked, &dialog, [&] {
        if (const std::optional<COLORREF> chosen = ChooseColor(&dialog, color)) {
            color = *chosen;
            showColor();
        }
    });
    auto* colorLabel = new QLabel(QStringLiteral("&Color:"), &dialog);
    colorLabel->setBuddy(colorButton);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(colorLabel);
    bottom->addWidget(colorButton);
    bottom->addStretch();
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(fonts);
    layout->addLayout(bottom);

    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return FontChoice { fonts->currentFont(), color };
}

QString QtPlatform::GetOpenFileName(QWidget* parent, const QString& filter, const QString& folder)
{
    const ReturnFocus returnFocus;
    // Like every file dialog of the desktop, also offers all files after the program's own.
    return QFileDialog::getOpenFileName(
        parent, QStringLiteral("Open"), folder, filter + QStringLiteral(";;All Files (*)"));
}

QString QtPlatform::GetSaveFileName(QWidget* parent, const QString& filter, const QString& proposed)
{
    const ReturnFocus returnFocus;
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Save As"), proposed, filter);
}

void QtPlatform::PlaySound(const QString& fileName)
{
    if (!QFileInfo::exists(fileName)) {
        QApplication::beep();
        return;
    }
    SoundModule::Play(QFileInfo(fileName).absoluteFilePath());
}

void QtPlatform::SetWaitCursor(bool on)
{
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

bool QtPlatform::ClipboardHasImage()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!m_clipboardWatch) {
        m_clipboardWatch = std::make_unique<QObject>();
        QObject::connect(clipboard, &QClipboard::dataChanged, m_clipboardWatch.get(),
            [this] { m_clipboardHasImage.reset(); });
    }
    if (!m_clipboardHasImage) {
        const QMimeData* data = clipboard->mimeData();
        m_clipboardHasImage = data && data->hasImage();
    }
    return *m_clipboardHasImage;
}

QImage QtPlatform::ClipboardImage() { return QGuiApplication::clipboard()->image(); }

int QtPlatform::DoModal(QDialog& dialog)
{
    const ReturnFocus returnFocus;
    return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}
