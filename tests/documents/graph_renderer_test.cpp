#include <gtest/gtest.h>

#include "documents/graph_layout.h"
#include "documents/graph_renderer.h"

#include <QGuiApplication>

using namespace vantorelle;

namespace {

const QColor red(255, 0, 0);

QDateTime day(int d)
{
    return QDateTime(QDate(2026, 5, d), QTime(12, 0));
}

// Whether any pixel within one of (x, y) has `colour`.
bool colourNear(const QImage &image, QPointF at, const QColor &colour)
{
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (image.pixelColor(qRound(at.x()) + dx, qRound(at.y()) + dy) == colour)
                return true;
        }
    }
    return false;
}

} // namespace

TEST(GraphRenderer, DrawsTheReadingsWhereTheLayoutPlacesThemInTimeOrder)
{
    GraphModel model;
    model.addSeries("Weight", red);
    model.setLegendShown(false);
    model.setTimeAxis({QDateTime(QDate(2026, 5, 1), QTime(0, 0)),
        QDateTime(QDate(2026, 5, 10), QTime(23, 59)), 24, 1});
    // Newest first, as the readings are stored.
    model.appendRow(day(9), {10});
    model.appendRow(day(2), {10});
    model.appendRow(day(5), {20});

    const QImage image = GraphRenderer::paletteImage(model, QSize(1200, 800));
    QFont font = QGuiApplication::font();
    font.setStyleStrategy(QFont::NoAntialias);
    const GraphLayout layout(model, QRectF(image.rect()), font, &image);
    const auto point
        = [&](int d, double value) { return QPointF(layout.xFor(day(d)), layout.yFor(value)); };

    for (const QPointF &reading : {point(2, 10), point(5, 20), point(9, 10)})
        EXPECT_TRUE(colourNear(image, reading, red)) << reading.x() << "," << reading.y();
    EXPECT_TRUE(colourNear(image, (point(2, 10) + point(5, 20)) / 2, red));
    EXPECT_TRUE(colourNear(image, (point(5, 20) + point(9, 10)) / 2, red));
    // No line from the newest reading back to the oldest.
    EXPECT_FALSE(colourNear(image, point(5, 10), red));
}

TEST(GraphRenderer, ReadingsPackedIntoOnePixelShowTheirWholeSpread)
{
    GraphModel model;
    model.addSeries("Glucose", red);
    model.setLegendShown(false);
    const QDateTime start(QDate(2016, 1, 1), QTime(0, 0));
    model.setTimeAxis({start, QDateTime(QDate(2025, 12, 31), QTime(23, 59)), 168, 4});
    model.appendRow(start, {100});
    // An hour of readings in ten years is far less than a pixel.
    const QDateTime busy(QDate(2020, 6, 1), QTime(8, 0));
    for (int minute = 0; minute < 60; ++minute)
        model.appendRow(busy.addSecs(minute * 60),
            {minute == 20          ? 40.0
                    : minute == 40 ? 160.0
                                   : 90.0 + minute % 2 * 20});
    model.appendRow(QDateTime(QDate(2025, 12, 31), QTime(12, 0)), {100});

    const QImage image = GraphRenderer::paletteImage(model, QSize(1200, 800));
    QFont font = QGuiApplication::font();
    font.setStyleStrategy(QFont::NoAntialias);
    const GraphLayout layout(model, QRectF(image.rect()), font, &image);
    const double x = layout.xFor(busy);
    for (double value : {40.0, 70.0, 100.0, 130.0, 160.0})
        EXPECT_TRUE(colourNear(image, QPointF(x, layout.yFor(value)), red)) << value;
}
