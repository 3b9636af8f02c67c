#include "documents/graph_renderer.h"

#include "documents/graph_layout.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace vantorelle::GraphRenderer {

namespace {

constexpr QRgb textColour = qRgb(0, 0, 0);
constexpr QRgb gridColour = qRgb(220, 220, 220);

QPen thinPen(const GraphLayout &layout, QRgb colour)
{
    return QPen(QColor(colour), layout.thinLineWidth(), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

// Square caps close the joints of the separate segments; with them the raster
// engine draws each segment directly instead of stroking one long outline.
QPen seriesPen(const GraphLayout &layout, const QColor &colour)
{
    return QPen(colour, layout.lineWidth(), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

void drawMarker(QPainter &painter, const GraphLayout &layout, const QPointF &centre)
{
    const double size = layout.markerSize();
    painter.drawEllipse(QRectF(centre.x() - size / 2, centre.y() - size / 2, size, size));
}

void drawGrid(QPainter &painter, const GraphLayout &layout)
{
    const QRectF &plot = layout.plotArea();
    painter.setPen(thinPen(layout, gridColour));
    for (const ValueTick &tick : layout.valueTicks())
        painter.drawLine(QPointF(plot.left(), tick.y), QPointF(plot.right(), tick.y));
    for (const TimeMark &mark : layout.timeMarks()) {
        if (!mark.label.isEmpty())
            painter.drawLine(QPointF(mark.x, plot.top()), QPointF(mark.x, plot.bottom()));
    }
}

// The points of a line, but of each run of points within one pixel column only
// the first, the lowest, the highest and the last, in their order: they cover
// the same pixels as the whole run, and years of readings become a few points
// a column.
QPolygonF thinnedOut(const QPolygonF &points)
{
    QPolygonF kept;
    const auto keep = [&](const QPointF &point) {
        if (kept.isEmpty() || kept.back() != point)
            kept.append(point);
    };
    for (qsizetype first = 0; first < points.size();) {
        const double column = std::floor(points[first].x());
        qsizetype last = first;
        qsizetype lowest = first;
        qsizetype highest = first;
        while (last + 1 < points.size() && std::floor(points[last + 1].x()) == column) {
            ++last;
            if (points[last].y() < points[lowest].y())
                lowest = last;
            if (points[last].y() > points[highest].y())
                highest = last;
        }
        keep(points[first]);
        keep(points[std::min(lowest, highest)]);
        keep(points[std::max(lowest, highest)]);
        keep(points[last]);
        first = last + 1;
    }
    return kept;
}

// Each series as a line through its readings in time order.
void drawSeries(QPainter &painter, const GraphModel &model, const GraphLayout &layout)
{
    const QList<GraphRow> &rows = model.rows();
    std::vector<double> xs(rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i)
        xs[i] = layout.xFor(rows[i].time);
    std::vector<qsizetype> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(
        order.begin(), order.end(), [&](qsizetype a, qsizetype b) { return xs[a] < xs[b]; });

    const double reach = layout.markerSize() + layout.lineWidth();
    painter.save();
    painter.setClipRect(layout.plotArea().adjusted(-reach, -reach, reach, reach));
    QPolygonF points(rows.size());
    QList<QLineF> segments;
    for (qsizetype s = 0; s < model.series().size(); ++s) {
        for (std::size_t j = 0; j < order.size(); ++j)
            points[j] = QPointF(xs[order[j]], layout.yFor(rows[order[j]].values.value(s)));
        const QPolygonF line = thinnedOut(points);
        segments.clear();
        for (qsizetype j = 0; j + 1 < line.size(); ++j)
            segments.append(QLineF(line[j], line[j + 1]));
        const QColor &colour = model.series()[s].colour;
        painter.setPen(seriesPen(layout, colour));
        painter.drawLines(segments);
        if (layout.markersShown()) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour);
            for (const QPointF &point : points)
                drawMarker(painter, layout, point);
            painter.setBrush(Qt::NoBrush);
        }
    }
    painter.restore();
}

void drawAxes(QPainter &painter, const GraphLayout &layout)
{
    const QRectF &plot = layout.plotArea();
    const double tick = layout.tickLength();
    const double gap = layout.textHeight() / 4;
    painter.setPen(thinPen(layout, textColour));
    painter.drawRect(plot);
    painter.setFont(layout.labelFont());
    for (const ValueTick &mark : layout.valueTicks()) {
        painter.drawLine(QPointF(plot.left() - tick, mark.y), QPointF(plot.left(), mark.y));
        const double labelRight = plot.left() - tick - gap;
        const QRectF box(labelRight - plot.width(), mark.y - layout.textHeight(), plot.width(),
            2 * layout.textHeight());
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, mark.label);
    }
    const double labelTop = plot.bottom() + tick + gap;
    for (const TimeMark &mark : layout.timeMarks()) {
        painter.drawLine(QPointF(mark.x, plot.bottom()), QPointF(mark.x, plot.bottom() + tick));
        if (!mark.label.isEmpty()) {
            const QRectF box(
                mark.x - plot.width(), labelTop, 2 * plot.width(), layout.textHeight());
            painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, mark.label);
        }
    }
}

void drawTitles(QPainter &painter, const GraphModel &model, const GraphLayout &layout)
{
    painter.setPen(QColor(textColour));
    painter.setFont(layout.titleFont());
    painter.drawText(layout.titleArea(), Qt::AlignCenter, model.title());
    painter.setFont(layout.axisTitleFont());
    painter.drawText(layout.timeTitleArea(), Qt::AlignCenter, model.timeAxisTitle());

    const QRectF &upright = layout.valueTitleArea();
    painter.save();
    painter.translate(upright.center());
    painter.rotate(-90);
    painter.drawText(
        QRectF(-upright.height() / 2, -upright.width() / 2, upright.height(), upright.width()),
        Qt::AlignCenter, model.valueAxisTitle());
    painter.restore();
}

void drawLegend(QPainter &painter, const GraphModel &model, const GraphLayout &layout)
{
    const QRectF &area = layout.legendArea();
    const double u = layout.textHeight();
    painter.setPen(thinPen(layout, textColour));
    painter.drawRect(area);
    painter.setFont(layout.labelFont());
    double y = area.top() + u / 2;
    for (const GraphSeries &series : model.series()) {
        const double middle = y + layout.legendLineHeight() / 2;
        const QPointF from(area.left() + u / 2, middle);
        const QPointF to(from.x() + 2 * u, middle);
        painter.setPen(seriesPen(layout, series.colour));
        painter.drawLine(from, to);
        painter.setPen(Qt::NoPen);
        painter.setBrush(series.colour);
        drawMarker(painter, layout, (from + to) / 2);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QColor(textColour));
        const QRectF text(
            to.x() + u / 2, y, area.right() - to.x() - u / 2, layout.legendLineHeight());
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, series.name);
        y += layout.legendLineHeight();
    }
}

} // namespace

void paint(QPainter &painter, const GraphModel &model, const QRectF &area)
{
    const GraphLayout layout(model, area, painter.font(), painter.device());
    painter.save();
    painter.fillRect(area, Qt::white);
    drawGrid(painter, layout);
    drawSeries(painter, model, layout);
    drawAxes(painter, layout);
    drawTitles(painter, model, layout);
    if (layout.legendShown())
        drawLegend(painter, model, layout);
    painter.restore();
}

QImage paletteImage(const GraphModel &model, const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QFont font = QGuiApplication::font();
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    paint(painter, model, QRectF(image.rect()));
    return image;
}

} // namespace vantorelle::GraphRenderer
