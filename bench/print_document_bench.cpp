#include "bench/print_document_bench.h"

#include "platform/print_document.h"
#include "platform/print_layout.h"
#include "platform/print_painter.h"
#include "platform/rtf_document_writer.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace vantorelle {

namespace {

constexpr int bodyWidth = 9360; // a letter page less one-inch margins, in twips

std::vector<int> widths(std::initializer_list<double> fractions)
{
    std::vector<int> result;
    for (double fraction : fractions)
        result.push_back(static_cast<int>(bodyWidth * fraction));
    return result;
}

QString dateTime(int i)
{
    return QStringLiteral("%1/%2/%3 %4:%5 %6")
        .arg(1 + i % 12, 2, 10, QLatin1Char('0'))
        .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
        .arg(2000 + i / 1000)
        .arg(1 + i % 12, 2, 10, QLatin1Char('0'))
        .arg(i % 60, 2, 10, QLatin1Char('0'))
        .arg(i % 2 ? "PM" : "AM");
}

// Most notes are short; one in forty runs over several lines of its column.
QString notes(int i)
{
    if (i % 40 == 0)
        return QStringLiteral("Measured twice after the evening walk; the second reading was "
                              "taken sitting down, left arm, with the new cuff from the pharmacy");
    return i % 3 ? QStringLiteral("after walk") : QString();
}

// The profile report's reading sections: blood pressure (5 cells a row),
// glucose and cholesterol (6 each).
PrintDocument profileReport(int bloodPressure, int glucose, int cholesterol)
{
    PrintDocument document;
    document.setRunningText({"Vantorelle Rize", "6/11/2024", "Page %d"});
    document.addParagraph({"Vantorelle Personal Profile Report\nAda Lovelace\n", true,
        ParagraphAlignment::Centre, 12});

    PrintTable pressure {widths({0.2, 0.11, 0.25, 0.15, 0.3}),
        {"Blood Pressure", "Pulse", "Date/Time", "Activity", "Notes"}, {}};
    pressure.rows.reserve(bloodPressure);
    for (int i = 0; i < bloodPressure; ++i)
        pressure.rows.push_back({QString::number(100 + i % 60) + '/' + QString::number(60 + i % 30),
            QString::number(55 + i % 40), dateTime(i), i % 2 ? "Resting" : "Walking", notes(i)});
    document.addTable(std::move(pressure));
    document.addParagraph({});

    PrintTable sugar {widths({0.11, 0.11, 0.11, 0.18, 0.24, 0.25}),
        {"Glucose (mg/dL)", "Carbs(g)", "Insulin", "Event", "Date/Time", "Notes"}, {}};
    sugar.rows.reserve(glucose);
    for (int i = 0; i < glucose; ++i)
        sugar.rows.push_back({QString::number(70 + i % 120), QString::number(i % 90),
            QString::number(i % 12), "Before Breakfast", dateTime(i), notes(i)});
    document.addTable(std::move(sugar));
    document.addParagraph({});

    PrintTable lipids {widths({0.09, 0.09, 0.09, 0.17, 0.26, 0.3}),
        {"Total", "LDL", "HDL", "Triglycerides", "Date/Time", "Notes"}, {}};
    lipids.rows.reserve(cholesterol);
    for (int i = 0; i < cholesterol; ++i)
        lipids.rows.push_back({QString::number(150 + i % 100), QString::number(70 + i % 90),
            QString::number(35 + i % 40), QString::number(60 + i % 190), dateTime(i), notes(i)});
    document.addTable(std::move(lipids));
    document.addParagraph({});
    return document;
}

struct Runs {
    double median, fastest, slowest;
};

Runs timeRuns(int runs, const std::function<void()> &measured)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        measured();
        const std::chrono::duration<double, std::milli> took
            = std::chrono::steady_clock::now() - start;
        times.push_back(took.count());
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.front(), times.back()};
}

void report(const char *what, const Runs &runs, const QString &extra, const char *target, bool met)
{
    char spread[48];
    std::snprintf(spread, sizeof spread, "%.2f-%.2f", runs.fastest, runs.slowest);
    std::printf("%-52s %9.2f ms %-17s %-16s %-12s %s\n", what, runs.median, spread,
        extra.toUtf8().constData(), target, met ? "ok" : "MISSED");
}

} // namespace

void benchPrintDocument()
{
    // Fonts need a GUI application; the offscreen platform needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "vantorelle_bench";
    char *argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);

    const QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
        QMarginsF(72, 72, 72, 72), QPageLayout::Point);
    constexpr int bloodPressure = 10000, glucose = 8000, cholesterol = 7000;
    const QString rows = QStringLiteral("%1 rows").arg(bloodPressure + glucose + cholesterol);

    std::unique_ptr<PrintLayout> layout;
    const Runs build = timeRuns(5, [&] {
        const PrintDocument document = profileReport(bloodPressure, glucose, cholesterol);
        layout = std::make_unique<PrintLayout>(document, letter);
    });
    report("report document: build and paginate", build, rows, "< 1000 ms", build.median < 1000);

    QTemporaryDir folder;
    bool printed = true;
    const Runs pdf = timeRuns(3, [&] {
        QPdfWriter writer(folder.filePath("report.pdf"));
        writer.setPageLayout(letter);
        printed = PrintPainter::print(writer, *layout, 1, layout->pageCount()) && printed;
    });
    report("report document: print to a PDF file", pdf,
        QStringLiteral("%1 pages").arg(layout->pageCount()), "< 5000 ms",
        printed && pdf.median < 5000);

    const PrintDocument document = profileReport(bloodPressure, glucose, cholesterol);
    const Runs rtf = timeRuns(
        3, [&] { RtfDocumentWriter::save(document, letter, folder.filePath("report.rtf")); });
    report("report document: save as RTF", rtf, rows, "", true);
}

} // namespace vantorelle
