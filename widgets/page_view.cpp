#include "widgets/page_view.h"

#include "documents/print_layout.h"
#include "documents/print_painter.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace vantorelle {

namespace {

constexpr int gap = 12; // pixels around and between the pages
constexpr double twipsPerInch = 1440;

} // namespace

PageView::PageView(QWidget *parent)
    : QAbstractScrollArea(parent)
{
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
}

void PageView::setPages(const PrintLayout *layout)
{
    layout_ = layout;
    shownPage_ = 1;
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    updateScrollBars();
    viewport()->update();
    emit pagesChanged();
}

void PageView::setZoom(Zoom zoom)
{
    zoom_ = zoom;
    updateScrollBars();
    viewport()->update();
}

void PageView::setZoomPercent(double percent)
{
    percent_ = percent;
    setZoom(Zoom::Percent);
}

int PageView::pageCount() const
{
    return layout_ ? layout_->pageCount() : 0;
}

void PageView::setShownPage(int page)
{
    page = std::clamp(page, 1, std::max(1, pageCount()));
    if (page == shownPage_)
        return;
    shownPage_ = page;
    verticalScrollBar()->setValue(0);
    viewport()->update();
    emit pagesChanged();
}

int PageView::pagesShownAtOnce() const
{
    const Grid shown = grid();
    return shown.columns * shown.rows;
}

PageView::Grid PageView::grid() const
{
    switch (zoom_) {
    case Zoom::Thumbnail:
        return {4, 2};
    case Zoom::TwoPages:
        return {2, 1};
    case Zoom::WholePage:
    case Zoom::PageWidth:
    case Zoom::Percent:
        break;
    }
    return {1, 1};
}

double PageView::scale() const
{
    if (!layout_)
        return 1;
    const QSizeF page = layout_->pageSize();
    if (zoom_ == Zoom::Percent)
        return percent_ / 100 * logicalDpiX() / twipsPerInch;
    // The room there is without scroll bars.
    const QSize room = maximumViewportSize();
    if (zoom_ == Zoom::PageWidth) {
        const double fitted = (room.width() - 2 * gap) / page.width();
        if (page.height() * fitted + 2 * gap <= room.height())
            return std::max(fitted, 0.001);
        const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
        return std::max((room.width() - 2 * gap - scrollBar) / page.width(), 0.001);
    }
    const Grid shown = grid();
    const double across
        = (room.width() - (shown.columns + 1) * gap) / (shown.columns * page.width());
    const double down = (room.height() - (shown.rows + 1) * gap) / (shown.rows * page.height());
    return std::max(std::min(across, down), 0.001);
}

QSize PageView::contentSize() const
{
    if (!layout_)
        return {};
    const Grid shown = grid();
    const double s = scale();
    const QSizeF page = layout_->pageSize() * s;
    // Rounded down: pages fitted to the view must not call for a scroll bar.
    return {static_cast<int>(std::floor(shown.columns * page.width())) + (shown.columns + 1) * gap,
        static_cast<int>(std::floor(shown.rows * page.height())) + (shown.rows + 1) * gap};
}

void PageView::updateScrollBars()
{
    const QSize content = contentSize();
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, content.width() - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    horizontalScrollBar()->setSingleStep(std::max(1, view.width() / 20));
    verticalScrollBar()->setRange(0, std::max(0, content.height() - view.height()));
    verticalScrollBar()->setPageStep(view.height());
    verticalScrollBar()->setSingleStep(std::max(1, view.height() / 20));
}

void PageView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void PageView::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    painter.fillRect(event->rect(), palette().dark());
    if (!layout_)
        return;
    const Grid shown = grid();
    const double s = scale();
    const QSizeF page = layout_->pageSize() * s;
    const QSize content = contentSize();
    const QSize view = viewport()->size();
    // Pages narrower or lower than the view stand in its middle.
    const double left = content.width() < view.width() ? (view.width() - content.width()) / 2.0
                                                       : -horizontalScrollBar()->value();
    const double top = content.height() < view.height() ? (view.height() - content.height()) / 2.0
                                                        : -verticalScrollBar()->value();
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (int slot = 0; slot < shown.columns * shown.rows; ++slot) {
        const int number = shownPage_ + slot;
        if (number > layout_->pageCount())
            break;
        const QRectF target(left + gap + (slot % shown.columns) * (page.width() + gap),
            top + gap + (slot / shown.columns) * (page.height() + gap), page.width(),
            page.height());
        if (!target.intersects(event->rect()))
            continue;
        painter.fillRect(target, Qt::white);
        painter.save();
        painter.setClipRect(target);
        PrintPainter::drawPage(painter, *layout_, number, target);
        painter.restore();
        painter.setPen(palette().shadow().color());
        painter.drawRect(target);
    }
}

} // namespace vantorelle
