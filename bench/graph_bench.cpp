#include "bench/graph_bench.h"

#include "platform/gif_writer.h"
#include "platform/graph_renderer.h"

#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

namespace vantorelle {

namespace {

constexpr int readingCount = 25000;
constexpr int days = 3650;
const QSize imageSize(1200, 800);

// Ten years of readings, several a day, newest first as they are stored.
GraphModel bloodPressureGraph()
{
    GraphModel model;
    model.setTitle("Blood Pressure vs Time");
    model.setValueAxisTitle("Units");
    model.setTimeAxisTitle("Date");
    model.addSeries("Systolic", QColor(255, 0, 0));
    model.addSeries("Diastolic", QColor(128, 128, 128));
    model.addSeries("Pulse", QColor(0, 0, 255));
    const QDateTime start(QDate(2016, 1, 1), QTime(0, 0));
    const QDateTime end(start.date().addDays(days - 1), QTime(23, 59));
    model.setTimeAxis({start, end, 168, 4});

    std::mt19937 random(20240611);
    std::uniform_int_distribution<qint64> second(0, start.secsTo(end) / 60);
    std::normal_distribution<double> spread(0, 9);
    std::vector<QDateTime> times;
    for (int i = 0; i < readingCount; ++i)
        times.push_back(start.addSecs(second(random) * 60));
    std::sort(times.begin(), times.end(), std::greater<>());
    for (const QDateTime &time : times)
        model.appendRow(time,
            {std::round(128 + spread(random)), std::round(82 + spread(random)),
                std::round(71 + spread(random))});
    return model;
}

// The median of the runs' milliseconds, with the fastest and slowest.
void report(const char *what, const std::function<void()> &measured, double targetMs)
{
    std::vector<double> times;
    for (int i = 0; i < 9; ++i) {
        const auto start = std::chrono::steady_clock::now();
        measured();
        const std::chrono::duration<double, std::milli> took
            = std::chrono::steady_clock::now() - start;
        times.push_back(took.count());
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    char spread[48];
    std::snprintf(spread, sizeof spread, "%.2f-%.2f", times.front(), times.back());
    char target[24];
    std::snprintf(target, sizeof target, "< %.0f ms", targetMs);
    std::printf("%-52s %9.2f ms %-17s %-16s %-12s %s\n", what, median, spread,
        (std::to_string(readingCount) + " readings").c_str(), target,
        median < targetMs ? "ok" : "MISSED");
}

} // namespace

void benchGraph(const std::string &folder)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "vantorelle_bench";
    char *argv[] = {name, nullptr};
    const QGuiApplication application(argc, argv);

    const GraphModel model = bloodPressureGraph();
    QImage image(imageSize, QImage::Format_RGB32);
    report(
        "graph: draw blood pressure, 1200 x 800",
        [&] {
            QPainter painter(&image);
            GraphRenderer::paint(painter, model, QRectF(image.rect()));
        },
        100);
    const QString path = QString::fromStdString(folder) + "/graph.gif";
    report(
        "graph: save blood pressure as GIF, 1200 x 800",
        [&] { GifWriter::write(GraphRenderer::paletteImage(model, imageSize), path); }, 300);
}

} // namespace vantorelle
