#include "bench/profile_report_bench.h"

#include "bench/bench_timing.h"

#include "documents/print_layout.h"
#include "documents/print_painter.h"
#include "documents/rtf_document_writer.h"
#include "reports/profile_report.h"
#include "reports/report_blocks.h"
#include "store/store.h"

#include <QDir>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include <cmath>
#include <memory>

namespace vantorelle {

namespace {

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
        std::to_string(bodyRows(*document)) + " rows", "< 1000 ms", build.median < 1000);

    const QString pdfPath = QDir(QString::fromStdString(folder)).filePath("report.pdf");
    bool printed = true;
    const Runs pdf = timeRuns(3, [&] {
        QPdfWriter writer(pdfPath);
        writer.setPageLayout(letter);
        printed = PrintPainter::print(writer, *layout, 1, layout->pageCount()) && printed;
    });
    report("profile report: print to a PDF file", pdf,
        std::to_string(layout->pageCount()) + " pages", "< 5000 ms", printed && pdf.median < 5000);

    const QString rtfPath = QDir(QString::fromStdString(folder)).filePath("report.rtf");
    const Runs rtf = timeRuns(
        3, [&] { RtfDocumentWriter::save(*document, letter, rtfPath, NewFileAccess::OwnerOnly); });
    report("profile report: save as RTF", rtf, std::to_string(bodyRows(*document)) + " rows", "",
        true);
}

} // namespace vantorelle
