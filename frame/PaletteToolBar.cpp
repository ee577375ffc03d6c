// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/PaletteToolBar.h"

#include "framework/MDIFrameWnd.h"
#include "resources/Toolbars.h"

#include <QAction>
#include <QBoxLayout>
#include <QEvent>
#include <QFrame>
#include <QMainWindow>
#include <QMoveEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QStyle>
#include <QToolButton>

namespace {
constexpr int kBorder = 5;
// Room for the caption's float and close buttons and its margins.
constexpr int kCaptionButtons = 44;

// The handle by which a docked bar is dragged to another side or off the frame: two ridges
// along the bar's short side.
class Grip : public QWidget {
public:
    explicit Grip(QWidget* parent)
        : QWidget(parent)
    {
        setCursor(Qt::SizeAllCursor);
    }
    QSize sizeHint() const override { return { 9, 9 }; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const bool across = width() < height();
        for (int ridge = 0; ridge < 2; ++ridge) {
            const int at = 2 + 3 * ridge;
            const QRect line
                = across ? QRect(at, 3, 2, height() - 6) : QRect(3, at, width() - 6, 2);
            painter.fillRect(line, palette().light());
            painter.fillRect(line.adjusted(1, 1, 0, 0), palette().dark());
        }
    }
};
}

CPaletteToolBar::CPaletteToolBar(QWidget* parent)
    : QDockWidget(parent)
    , m_content(new QWidget(this))
    , m_rows(new QVBoxLayout(m_content))
    , m_grip(new Grip(this))
{
    m_rows->setContentsMargins(kBorder, kBorder, kBorder, kBorder);
    m_rows->setSpacing(0);
    m_rows->setSizeConstraint(QLayout::SetFixedSize);
    setWidget(m_content);
    connect(this, &QDockWidget::dockLocationChanged, this, &CPaletteToolBar::Replace);
    connect(this, &QDockWidget::topLevelChanged, this, [this](bool floating) {
        Replace();
        // Qt docks a floating bar from its caption's float button or a double-click on the
        // caption whatever its allowed areas; a bar that may not dock goes back at once.
        if (!floating && allowedAreas() == Qt::NoDockWidgetArea)
            QMetaObject::invokeMethod(this, &CPaletteToolBar::Refloat, Qt::QueuedConnection);
    });
}

void CPaletteToolBar::Replace()
{
    UpdateCaption();
    if (IsDynamicFloating()) {
        FitToWidth(width());
        return;
    }
    // Docked, the bar takes the height its side gives it again.
    setMinimumHeight(0);
    setMaximumHeight(QWIDGETSIZE_MAX);
    Relayout();
}

void CPaletteToolBar::UpdateCaption()
{
    if (isFloating()) {
        // A floating bar shows its name, wide enough to read it whole.
        setFeatures(features() & ~DockWidgetVerticalTitleBar);
        setTitleBarWidget(nullptr);
        m_grip->hide();
        setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + kCaptionButtons);
        return;
    }
    // A docked bar has only a grip, at its left end when it lies along the top or bottom.
    setMinimumWidth(0);
    auto* frame = qobject_cast<QMainWindow*>(parentWidget());
    const Qt::DockWidgetArea area = frame ? frame->dockWidgetArea(this) : Qt::TopDockWidgetArea;
    const bool alongEdge = area == Qt::TopDockWidgetArea || area == Qt::BottomDockWidgetArea;
    setFeatures(alongEdge ? features() | DockWidgetVerticalTitleBar
                          : features() & ~DockWidgetVerticalTitleBar);
    setTitleBarWidget(m_grip);
    m_grip->show();
}

void CPaletteToolBar::Refloat()
{
    if (isFloating() || allowedAreas() != Qt::NoDockWidgetArea)
        return;
    // Floating again passes through Qt's default place; the remembered one is kept aside.
    const QPoint where = m_floatingPos;
    setFloating(true);
    move(where);
}

void CPaletteToolBar::moveEvent(QMoveEvent* event)
{
    QDockWidget::moveEvent(event);
    if (isFloating())
        m_floatingPos = pos();
}

bool CPaletteToolBar::LoadToolBar(
    const ToolbarLayout& layout, const QImage& strip, CMDIFrameWnd* frame)
{
    const QSize size = layout.buttonSize;
    if (strip.isNull() || strip.width() < size.width() * layout.ImageCount()
        || strip.height() < size.height())
        return false;
    int picture = 0;
    for (int id : layout.buttons) {
        if (id == 0) {
            auto* line = new QFrame(m_content);
            line->setFrameShadow(QFrame::Sunken);
            m_items.push_back(line);
            m_wrap.push_back(false);
            continue;
        }
        QAction* action = frame->CommandAction(id);
        action->setIcon(
            QPixmap::fromImage(strip.copy(picture * size.width(), 0, size.width(), size.height())));
        ++picture;
        auto* button = new QToolButton(m_content);
        button->setDefaultAction(action);
        button->setIconSize(size);
        button->setAutoRaise(true);
        button->installEventFilter(this);
        m_items.push_back(button);
        m_wrap.push_back(false);
    }
    Relayout();
    return true;
}

QToolButton* CPaletteToolBar::GetButton(int index) const
{
    return qobject_cast<QToolButton*>(m_items[std::size_t(index)]);
}

void CPaletteToolBar::SetPaletteColumns(int columns)
{
    for (std::size_t i = 0; i < m_wrap.size(); ++i)
        m_wrap[i] = columns > 0 && (i + 1) % std::size_t(columns) == 0;
    Relayout();
    update();
}

bool CPaletteToolBar::IsVertical() const
{
    auto* frame = qobject_cast<QMainWindow*>(parentWidget());
    if (isFloating() || !frame)
        return false;
    const Qt::DockWidgetArea area = frame->dockWidgetArea(const_cast<CPaletteToolBar*>(this));
    return area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea;
}

void CPaletteToolBar::Relayout()
{
    // Rows of their own, so that a row is as wide as its items and no wider.
    while (QLayoutItem* row = m_rows->takeAt(0))
        delete row;
    const bool dynamic = IsDynamicFloating() && m_dynamicBreaks.wrap.size() == m_items.size();
    const std::vector<bool>& wrap = dynamic ? m_dynamicBreaks.wrap : m_wrap;
    const bool anyWrap = std::find(wrap.begin(), wrap.end(), true) != wrap.end();
    const bool vertical = !anyWrap && IsVertical();
    // A bar of a fixed shape is exactly as large as its rows. A floating dynamic bar must stay
    // free to be resized: a floating dock widget takes its content's limits as its own.
    m_rows->setSizeConstraint(dynamic ? QLayout::SetNoConstraint : QLayout::SetFixedSize);
    if (dynamic)
        m_content->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    QHBoxLayout* row = nullptr;
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        QWidget* item = m_items[i];
        if (auto* line = qobject_cast<QFrame*>(item))
            line->setFrameShape(vertical ? QFrame::HLine : QFrame::VLine);
        const bool hidden = dynamic && m_dynamicBreaks.hidden[i];
        item->setVisible(!hidden);
        if (hidden)
            continue;
        if (!row) {
            row = new QHBoxLayout;
            row->setSpacing(0);
            m_rows->addLayout(row);
        }
        row->addWidget(item);
        if (vertical || wrap[i]) {
            // A vertical bar's one-item rows span its width, so its separators do too.
            if (!vertical)
                row->addStretch();
            row = nullptr;
        }
    }
    if (row)
        row->addStretch();
    if (!dynamic)
        adjustSize();
}

RowBreaks WrapToWidth(
    const std::vector<int>& widths, const std::vector<bool>& separators, int width)
{
    RowBreaks breaks { std::vector<bool>(widths.size(), false),
        std::vector<bool>(widths.size(), false) };
    std::vector<std::size_t> row;
    int used = 0;
    const auto endRow = [&] {
        while (!row.empty() && separators[row.back()]) {
            breaks.hidden[row.back()] = true;
            used -= widths[row.back()];
            row.pop_back();
        }
        if (!row.empty())
            breaks.wrap[row.back()] = true;
        row.clear();
        used = 0;
    };
    for (std::size_t i = 0; i < widths.size(); ++i) {
        const bool full = !row.empty() && used + widths[i] > width;
        if (full)
            endRow();
        if (separators[i] && row.empty()) {
            breaks.hidden[i] = true;
            continue;
        }
        row.push_back(i);
        used += widths[i];
    }
    // The last row ends with the bar; only a trailing separator needs hiding.
    while (!row.empty() && separators[row.back()]) {
        breaks.hidden[row.back()] = true;
        row.pop_back();
    }
    return breaks;
}

void CPaletteToolBar::resizeEvent(QResizeEvent* event)
{
    QDockWidget::resizeEvent(event);
    if (IsDynamicFloating() && !m_bFitting)
        FitToWidth(event->size().width());
}

void CPaletteToolBar::FitToWidth(int width)
{
    // Where the window manager does not decorate the floating bar, Qt draws its frame.
    const int frameWidth = windowFlags() & Qt::FramelessWindowHint
        ? style()->pixelMetric(QStyle::PM_DockWidgetFrameWidth, nullptr, this)
        : 0;
    std::vector<int> widths;
    std::vector<bool> separators;
    for (QWidget* item : m_items) {
        auto* line = qobject_cast<QFrame*>(item);
        if (line)
            line->setFrameShape(QFrame::VLine);
        widths.push_back(item->sizeHint().width());
        separators.push_back(line != nullptr);
    }
    const int chrome = 2 * frameWidth + 2 * kBorder;
    const int widest = widths.empty() ? 0 : *std::max_element(widths.begin(), widths.end());
    m_dynamicBreaks = WrapToWidth(widths, separators, width - chrome);
    m_bFitting = true;
    m_content->setMinimumSize(widest + 2 * kBorder, 0);
    Relayout();
    m_rows->activate();
    // The height the rows take, caption and frame included, asked free of the last fit.
    setMinimumHeight(0);
    setMaximumHeight(QWIDGETSIZE_MAX);
    layout()->invalidate();
    setFixedHeight(sizeHint().height());
    m_bFitting = false;
}

bool CPaletteToolBar::eventFilter(QObject* watched, QEvent* event)
{
    // A bar without fly-by prompts keeps its buttons' prompts out of the status bar.
    if (event->type() == QEvent::StatusTip && !m_bFlyBy)
        return true;
    return QDockWidget::eventFilter(watched, event);
}
