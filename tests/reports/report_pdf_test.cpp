#include "report_fixture.h"

#include "documents/print_layout.h"
#include "documents/print_painter.h"
#include "reports/master_lists_report.h"
#include "reports/profile_report.h"
#include "reports/report_blocks.h"

#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace vantorelle;

namespace {

// Ann Lee's report printed to a PDF file, read back with pdftotext.
class ReportPdf : public ReportFixture {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            GTEST_SKIP() << "pdftotext is missing (poppler-utils)";
        ReportFixture::SetUp();
    }

    // The text of the PDF of `document`, laid out as on the page.
    QString printedText(const PrintDocument &document)
    {
        const PrintLayout layout(document, letterPage());
        const QString pdf = dir.filePath("report.pdf");
        QPdfWriter writer(pdf);
        writer.setPageLayout(layout.pageLayout());
        EXPECT_TRUE(PrintPainter::print(writer, layout, 1, layout.pageCount()));
        QProcess process;
        process.start("pdftotext", {"-layout", pdf, "-"});
        process.waitForFinished(-1);
        return QString::fromUtf8(process.readAllStandardOutput());
    }
};

TEST_F(ReportPdf, ProfileReportPrintsItsSectionsWithThePageText)
{
    ProfileReportOptions options;
    options.details[4] = true; // illnesses in details
    PrintDocument document;
    document.setRunningText(reportRunningText("06/11/2024"));
    ProfileReport(store, DisplayPreferences(), options, usableWidth).addTo(document, ann);

    const QString text = printedText(document);
    const auto has = [&](const char *pattern) {
        EXPECT_TRUE(text.contains(QRegularExpression(pattern))) << pattern << "\n"
                                                                << text.toStdString();
    };
    has("Vantorelle Rize +06/11/2024 +Page 1");
    has("Vantorelle Personal Profile Report\\s+Ann Lee");
    has("Personal and Legal");
    has("Name +Lee Ann");
    has("Notes +Born 19700512 \\| likes ~tea~");
    has("Provider +Dr. Who");
    has("Acme Health +PPO +G-1 +P-100");
    has("120/80 +65 +03/15/2024 8:00 AM +Resting +Before");
    has("Glucose +Carbs\\(g\\) +Insulin +Event +Date/Time +Notes\\s+\\(mg/dL\\)");
    has("99 +After Lunch +03/14/2024 1:00 PM +meter B");
    has("Mary Lee +Mother +Maternal +01/01/1945");
}

TEST_F(ReportPdf, MasterListsReportPrintsEveryList)
{
    PrintDocument document;
    document.setRunningText(reportRunningText("06/11/2024"));
    MasterListsReport(store, MasterListOptions(), usableWidth).addTo(document);

    const QString text = printedText(document);
    for (const char *pattern :
        {"Vantorelle Master Lists", "Adams +555-0410", "Acme Health +PPO +G-1 +P-100 +555-0300",
            "General Hospital", "Corner Pharmacy +Sam +555-0700 +9-5",
            "Dr. Who +GP +555-0600 +555-0601", "Cardiology", "Page 1"})
        EXPECT_TRUE(text.contains(QRegularExpression(pattern))) << pattern << "\n"
                                                                << text.toStdString();
}

} // namespace
