// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/PaletteToolBar.h"

#include "framework/MDIFrameWnd.h"
#include "resources/Toolbars.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QMainWindow>
#include <QMoveEvent>
#include <QPainter>
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
            const QRect line = across ? QRect(at, 3, 2, height() - 6) : QRect(3, at, width() - 6, 2);
            painter.fillRect(line, palette().light());
            painter.fillRect(line.adjusted(1, 1, 0, 0), palette().dark());
        }
    }
};
}

CPaletteToolBar::CPaletteToolBar(QWidget* parent)
    : QDockWidget(parent)
    , m_content(new QWidget(this))
    , m_grid(new QGridLayout(m_content))
    , m_grip(new Grip(this))
{
    m_grid->setContentsMargins(kBorder, kBorder, kBorder, kBorder);
    m_grid->setSpacing(0);
    m_grid->setSizeConstraint(QLayout::SetFixedSize);
    setWidget(m_content);
    connect(this, &QDockWidget::dockLocationChanged, this, [this] {
        UpdateCaption();
        Relayout();
    });
    connect(this, &QDockWidget::topLevelChanged, this, [this](bool floating) {
        UpdateCaption();
        Relayout();
        // Qt docks a floating bar from its caption's float button or a double-click on the
        // caption whatever its allowed areas; a bar that may not dock goes back at once.
        if (!floating && allowedAreas() == Qt::NoDockWidgetArea)
            QMetaObject::invokeMethod(this, &CPaletteToolBar::Refloat, Qt::QueuedConnection);
    });
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
    for (QWidget* item : m_items)
        m_grid->removeWidget(item);
    const bool anyWrap = std::find(m_wrap.begin(), m_wrap.end(), true) != m_wrap.end();
    const bool vertical = !anyWrap && IsVertical();
    int row = 0;
    int column = 0;
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        if (auto* line = qobject_cast<QFrame*>(m_items[i]))
            line->setFrameShape(vertical ? QFrame::HLine : QFrame::VLine);
        m_grid->addWidget(m_items[i], row, column);
        if (vertical || m_wrap[i]) {
            ++row;
            column = 0;
        } else {
            ++column;
        }
    }
    adjustSize();
}

bool CPaletteToolBar::eventFilter(QObject* watched, QEvent* event)
{
    // A bar without fly-by prompts keeps its buttons' prompts out of the status bar.
    if (event->type() == QEvent::StatusTip && !m_bFlyBy)
        return true;
    return QDockWidget::eventFilter(watched, event);
}
