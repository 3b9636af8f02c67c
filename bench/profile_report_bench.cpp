#include "bench/profile_report_bench.h"

#include "platform/print_layout.h"
#include "platform/print_painter.h"
#include "platform/rtf_document_writer.h"
#include "reports/profile_report.h"
#include "reports/report_blocks.h"
#include "store/store.h"

#include <QDir>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace vantorelle {

namespace {

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

std::size_t bodyRows(const PrintDocument &document)
{
    std::size_t rows = 0;
    for (const PrintDocument::Block &block : document.blocks()) {
        if (const auto *table = std::get_if<PrintTable>(&block))
            rows += table->rows.size();
    }
    return rows;
}

} // namespace

void benchProfileReport(
    const Store &store, const std::string &profileKey, const std::string &folder)
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
    const int usableWidth = static_cast<int>(std::lround(PrintLayout::bodyWidth(letter)));
    const DisplayPreferences display;
    const ProfileReportOptions options; // every section, as lists, all dates

    std::unique_ptr<PrintDocument> document;
    std::unique_ptr<PrintLayout> layout;
    const Runs build = timeRuns(5, [&] {
        document = std::make_unique<PrintDocument>();
        document->setRunningText(reportRunningText(QStringLiteral("06/11/2024")));
        ProfileReport(store, display, options, usableWidth).addTo(*document, profileKey);
        layout = std::make_unique<PrintLayout>(*document, letter);
    });
    report("profile report of the largest profile: build, paginate", build,
        QStringLiteral("%1 rows").arg(bodyRows(*document)), "< 1000 ms", build.median < 1000);

    const QString pdfPath = QDir(QString::fromStdString(folder)).filePath("report.pdf");
    bool printed = true;
    const Runs pdf = timeRuns(3, [&] {
        QPdfWriter writer(pdfPath);
        writer.setPageLayout(letter);
        printed = PrintPainter::print(writer, *layout, 1, layout->pageCount()) && printed;
    });
    report("profile report: print to a PDF file", pdf,
        QStringLiteral("%1 pages").arg(layout->pageCount()), "< 5000 ms",
        printed && pdf.median < 5000);

    const QString rtfPath = QDir(QString::fromStdString(folder)).filePath("report.rtf");
    const Runs rtf = timeRuns(
        3, [&] { RtfDocumentWriter::save(*document, letter, rtfPath, NewFileAccess::OwnerOnly); });
    report("profile report: save as RTF", rtf, QStringLiteral("%1 rows").arg(bodyRows(*document)),
        "", true);
}

} // namespace vantorelle
