#include "bench/graph_bench.h"

#include "bench/bench_timing.h"

#include "bench/data_generator.h"
#include "documents/gif_writer.h"
#include "documents/graph_renderer.h"
#include "reports/reading_graph.h"
#include "store/store.h"

#include <QGuiApplication>
#include <QPainter>

#include <cstdio>
#include <filesystem>

namespace vantorelle {

namespace {

constexpr std::uint32_t seed = 20240611;
// Two fifths of a profile's readings are blood pressure, and a few of those
// are deleted: some 25,000 shown of 64,000.
constexpr int profileReadings = 64000;
const QSize imageSize(1200, 800);

void reportGraph(const char *what, const Runs &runs, int readings, double targetMs)
{
    char target[24];
    std::snprintf(target, sizeof target, "< %.0f ms", targetMs);
    report(what, runs, std::to_string(readings) + " readings", target, runs.median < targetMs);
}

// The first and last day of the profile's readings.
std::pair<QDate, QDate> readingDays(const Store &store, const std::string &profileKey)
{
    QDate first, last;
    for (const RowView row : store.profileRows(TableId::BP, profileKey)) {
        const std::optional<QDateTime> when = readingTime(row.value("Date"), row.value("Time"));
        if (!when)
            continue;
        if (!first.isValid() || when->date() < first)
            first = when->date();
        if (!last.isValid() || when->date() > last)
            last = when->date();
    }
    return {first, last};
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

    const std::filesystem::path graphFolder = std::filesystem::path(folder) / "graph";
    std::filesystem::create_directory(graphFolder);
    DataGenerator::Sizes sizes;
    sizes.profiles = 1;
    sizes.readings = profileReadings;
    sizes.otherRecords = 0;
    if (!DataGenerator(seed, sizes).write(graphFolder.string()).empty()) {
        std::fprintf(stderr, "could not write the graph's data folder\n");
        return;
    }
    Store store(graphFolder.string());
    if (!store.load().empty()) {
        std::fprintf(stderr, "could not load the graph's data folder\n");
        return;
    }
    const TableRows profiles = store.tableRows(TableId::MainID);
    const std::string profileKey(profiles[0].value("Key"));
    const auto [first, last] = readingDays(store, profileKey);
    const DisplayPreferences display;

    GraphModel model;
    QImage image(imageSize, QImage::Format_RGB32);
    const Runs draw = timeRuns(9, [&] {
        model = readingGraph(store, profileKey, GraphTopic::BloodPressure, first, last, display);
        QPainter painter(&image);
        GraphRenderer::paint(painter, model, QRectF(image.rect()));
    });
    const auto readings = static_cast<int>(model.rows().size());
    reportGraph("graph: query, model and draw, 1200 x 800", draw, readings, 100);

    const QString path = QString::fromStdString((graphFolder / "graph.gif").string());
    const Runs save = timeRuns(
        9, [&] { GifWriter::write(GraphRenderer::paletteImage(model, imageSize), path); });
    reportGraph("graph: save as GIF, 1200 x 800", save, readings, 300);
}

} // namespace vantorelle
