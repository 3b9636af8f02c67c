#include "documents/print_painter.h"

#include "documents/print_layout.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace vantorelle {

namespace {

constexpr qreal twipsPerInch = 1440;

} // namespace

void PrintPainter::drawPage(
    QPainter &painter, const PrintLayout &layout, int number, const QRectF &target)
{
    const PrintPage &page = layout.page(number);
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(
        target.width() / layout.pageSize().width(), target.height() / layout.pageSize().height());
    painter.setPen(QPen(Qt::black, PrintLayout::ruleWidth));
    painter.drawLines(page.rules.data(), static_cast<int>(page.rules.size()));

    std::vector<QFont> fonts;
    for (std::size_t i = 0; i < layout.fonts().size(); ++i)
        fonts.push_back(layout.font(static_cast<int>(i)));
    int current = -1;
    for (const PrintText &text : page.texts) {
        if (text.font != current) {
            current = text.font;
            painter.setFont(fonts[current]);
        }
        painter.drawText(text.origin, text.text);
    }
    painter.restore();
}

bool PrintPainter::print(QPagedPaintDevice &device, const PrintLayout &layout, int first, int last)
{
    first = std::max(first, 1);
    last = std::min(last, layout.pageCount());
    if (first > last)
        return false;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // The painter's origin is the corner of the device's paint area, which
    // lies inside the margins unless the device prints the full page.
    const QPageLayout page = device.pageLayout();
    const int resolution = device.logicalDpiX();
    const QPointF origin
        = page.fullRectPixels(resolution).topLeft() - page.paintRectPixels(resolution).topLeft();
    const QRectF target(origin,
        QSizeF(layout.pageSize().width() * device.logicalDpiX() / twipsPerInch,
            layout.pageSize().height() * device.logicalDpiY() / twipsPerInch));
    for (int number = first; number <= last; ++number) {
        if (number > first && !device.newPage()) {
            painter.end();
            return false;
        }
        drawPage(painter, layout, number, target);
    }
    return painter.end();
}

} // namespace vantorelle
