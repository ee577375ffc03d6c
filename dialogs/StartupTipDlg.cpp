// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/StartupTipDlg.h"

#include "framework/DataFiles.h"
#include "framework/Platform.h"
#include "framework/Profile.h"
#include "resources/Artwork.h"
#include "resources/CommandTexts.h"
#include "resources/Resource.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>

#include <array>
#include <climits>
#include <ctime>
#include <sys/stat.h>

namespace {

const QString kSection = QStringLiteral("Tip");
const QString kStartUp = QStringLiteral("StartUp");
const QString kFilePos = QStringLiteral("FilePos");
const QString kTimeStamp = QStringLiteral("TimeStamp");

// A search reads at most this many pieces before giving up, so a huge file of comments (or of
// NUL bytes) cannot hold the dialog for long.
constexpr int kMaxPiecesPerSearch = 10000;

using enum ControlKind;

// In tab order. The panel is painted by the dialog itself, behind the tip.
constexpr DialogControl kControls[] = {
    { 0, BlackFrame, "", 12, 11, 207, 123 },
    { IDC_TIP_TEXT, StaticText, "", 28, 63, 177, 60 },
    { IDC_TIP_STARTUP, CheckBox, "&Show Tips on StartUp", 13, 146, 85, 10 },
    { IDC_TIP_NEXT, PushButton, "&Next Tip", 109, 143, 50, 14 },
    { IDOK, DefPushButton, "&Close", 168, 143, 50, 14 },
    { IDC_TIP_PANEL, Picture, "", 20, 17, 190, 111 },
};
constexpr DialogTemplate kTemplate { "Pixmora tip of the day", 231, 164, kControls };

// The file's status-change time in the classic 24-character layout, for example
// "Wed Jan 02 02:03:55 1980". The names are spelled out here rather than taken from the
// locale, so the stamp stays the same whatever language the desktop speaks.
QString FileTimeStamp(std::FILE* stream)
{
    static constexpr std::array<const char*, 7> kDays { "Sun", "Mon", "Tue", "Wed", "Thu", "Fri",
        "Sat" };
    static constexpr std::array<const char*, 12> kMonths { "Jan", "Feb", "Mar", "Apr", "May", "Jun",
        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec" };
    struct stat status { };
    if (fstat(fileno(stream), &status) != 0)
        return {};
    const std::time_t changed = status.st_ctime;
    std::tm local {};
    if (!localtime_r(&changed, &local))
        return {};
    return QString::asprintf("%s %s %02d %02d:%02d:%02d %d", kDays.at(std::size_t(local.tm_wday)),
        kMonths.at(std::size_t(local.tm_mon)), local.tm_mday, local.tm_hour, local.tm_min,
        local.tm_sec, local.tm_year + 1900)
        .trimmed();
}

// Comments start with a space, a tab or ';'; an empty line is one too. A piece that starts
// with a NUL byte has nothing to show either.
bool IsTip(const QByteArray& piece)
{
    if (piece.isEmpty())
        return false;
    switch (piece.front()) {
    case ' ':
    case '\t':
    case '\n':
    case ';':
        return false;
    default:
        return true;
    }
}

// The tip sits on white, like the panel around it, whatever the desktop's colours.
void ShowOnWhite(QWidget& control)
{
    control.setAutoFillBackground(true);
    QPalette white = control.palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    control.setPalette(white);
}

void ReportTroubleReading() { AfxMessageBox(LoadResourceString(IDS_TIPS_FILE_ERROR), MB_OK); }

} // namespace

CStartupTipDlg::CStartupTipDlg(QWidget* parent)
    : CStartupTipDlg(parent, LocateDataFile(QStringLiteral("tips.txt")))
{
}

CStartupTipDlg::CStartupTipDlg(QWidget* parent, const QString& tipsFile)
    : CDialog(kTemplate, parent)
{
    ShowOnWhite(*GetDlgItem(IDC_TIP_TEXT));
    ConnectClicked(IDC_TIP_NEXT, &CStartupTipDlg::OnNextTip);
    m_bStartup = GetProfileInt(kSection, kStartUp, 0) == 0 ? 1 : 0;
    OpenTipsFile(tipsFile);
}

CStartupTipDlg::~CStartupTipDlg()
{
    if (!m_pStream)
        return;
    const long position = std::ftell(m_pStream.get());
    // The setting holds a 32-bit offset; past that (a tips file beyond 2 GiB) the walk starts
    // again at the top rather than at a wrapped, meaningless offset.
    if (position >= 0)
        WriteProfileInt(kSection, kFilePos, position <= INT_MAX ? int(position) : 0);
}

void CStartupTipDlg::OpenTipsFile(const QString& tipsFile)
{
    long position = GetProfileInt(kSection, kFilePos, 0);
    // Only a regular file is read: a directory, device or pipe of that name could not be read
    // as tips, or would never end.
    if (QFileInfo(tipsFile).isFile())
        m_pStream.reset(std::fopen(QFile::encodeName(tipsFile).constData(), "r"));
    if (!m_pStream) {
        m_strTip = LoadResourceString(IDS_TIPS_FILE_MISSING);
        return;
    }

    // A replaced or touched file starts the walk at its top again.
    const QString stamp = FileTimeStamp(m_pStream.get());
    if (stamp != GetProfileString(kSection, kTimeStamp)) {
        WriteProfileString(kSection, kTimeStamp, stamp);
        position = 0;
    }

    if (std::fseek(m_pStream.get(), position, SEEK_SET) != 0) {
        ReportTroubleReading();
        return;
    }
    GetNextTip();
}

bool CStartupTipDlg::ReadPiece(QByteArray& piece)
{
    std::array<char, kMaxPiece + 1> buffer {};
    if (!std::fgets(buffer.data(), int(buffer.size()), m_pStream.get()))
        return false;
    piece = QByteArray(buffer.data()); // up to a NUL byte, should the file hold one
    // The file is read as text: a line written with CR LF ends like any other line.
    if (piece.endsWith("\r\n"))
        piece.remove(piece.size() - 2, 1);
    return true;
}

bool CStartupTipDlg::RewindToTop()
{
    std::clearerr(m_pStream.get());
    if (std::fseek(m_pStream.get(), 0, SEEK_SET) == 0)
        return true;
    ReportTroubleReading();
    return false;
}

void CStartupTipDlg::GetNextTip()
{
    if (!m_pStream)
        return;
    // At the end of the file the walk starts again at the top, but only once per search: a
    // file without a single tip would otherwise keep us reading for ever.
    bool wrapped = false;
    QByteArray piece;
    for (int pieces = 0; pieces < kMaxPiecesPerSearch;) {
        if (!ReadPiece(piece)) {
            if (wrapped)
                break;
            wrapped = true;
            if (!RewindToTop())
                return;
            continue;
        }
        ++pieces;
        if (IsTip(piece)) {
            m_strTip = QString::fromUtf8(piece);
            return;
        }
    }
    m_strTip = LoadResourceString(IDS_TIPS_FILE_ERROR);
}

void CStartupTipDlg::DoDataExchange(CDataExchange& dx)
{
    dx.Check(IDC_TIP_STARTUP, m_bStartup);
    dx.Text(IDC_TIP_TEXT, m_strTip);
}

void CStartupTipDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    GetDlgItem(IDC_TIP_NEXT)->setEnabled(HasTipsFile());
}

void CStartupTipDlg::OnNextTip()
{
    GetNextTip();
    // Showing the members again also puts the check box back to the dialog's own flag.
    UpdateData(false);
}

void CStartupTipDlg::OnOK()
{
    CDialog::OnOK();
    WriteProfileInt(kSection, kStartUp, m_bStartup ? 0 : 1);
}

void CStartupTipDlg::paintEvent(QPaintEvent*)
{
    const QRect panel = GetDlgItem(IDC_TIP_PANEL)->geometry();
    QPainter painter(this);
    painter.fillRect(panel, Qt::white);
    const QImage bulb = Artwork::TipBulbBitmap();
    painter.drawImage(panel.topLeft(), bulb);

    // The heading in a bolder, larger face than the dialog's, as a plain painting context's
    // font would be, on one line beside the bulb and centred on its height.
    QFont heading = font();
    heading.setBold(true);
    if (heading.pointSizeF() > 0)
        heading.setPointSizeF(heading.pointSizeF() * 1.2);
    else
        heading.setPixelSize(heading.pixelSize() * 6 / 5);
    painter.setFont(heading);
    painter.setPen(Qt::black);
    const QFontMetrics metrics(heading);
    const int top = panel.top() + (bulb.height() - metrics.height()) / 2;
    painter.drawText(QPoint(panel.left() + bulb.width(), top + metrics.ascent()),
        LoadResourceString(IDS_DID_YOU_KNOW));
}
