#include <gtest/gtest.h>

#include "documents/print_document.h"
#include "documents/print_layout.h"
#include "documents/print_painter.h"
#include "support/letter_page.h"

#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace vantorelle;

namespace {

// A title, then a table long enough for two pages, one of its cells holding
// the characters a report once took for cell and row marks.
PrintDocument smallReport()
{
    PrintDocument document;
    document.setRunningText({"Vantorelle Rize", "1/2/2024", "Page %d"});
    document.addParagraph(
        {"Vantorelle Personal Profile Report\nAda Lovelace", true, ParagraphAlignment::Centre, 12});
    document.addParagraph({});
    PrintTable table {{2880, 2160, 4320}, {"Medication", "Dosage", "Notes"}, {}};
    table.rows.push_back({"Lisinopril", "10 mg", "a|b~c"});
    for (int r = 1; r <= 60; ++r)
        table.rows.push_back({QStringLiteral("Drug %1").arg(r), "5 mg", "with food"});
    document.addTable(table);
    return document;
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(-1);
    return QString::fromUtf8(process.readAllStandardOutput());
}

class PrintPainterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            GTEST_SKIP() << "pdftotext is missing (poppler-utils)";
    }

    QString pageText(const QString &pdf, int number)
    {
        const QString n = QString::number(number);
        return run("pdftotext", {"-f", n, "-l", n, "-layout", pdf, "-"});
    }

    int pdfPages(const QString &pdf)
    {
        const QRegularExpressionMatch match
            = QRegularExpression("Pages:\\s+(\\d+)").match(run("pdfinfo", {pdf}));
        return match.hasMatch() ? match.captured(1).toInt() : -1;
    }

    // The box of the first word `word` on page `number`, in points.
    QRectF wordBox(const QString &pdf, int number, const QString &word)
    {
        const QString n = QString::number(number);
        const QString html = run("pdftotext", {"-f", n, "-l", n, "-bbox", pdf, "-"});
        const QRegularExpression pattern(
            QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" "
                           "xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">%1</word>")
                .arg(QRegularExpression::escape(word)));
        const QRegularExpressionMatch match = pattern.match(html);
        if (!match.hasMatch())
            return {};
        return QRectF(QPointF(match.captured(1).toDouble(), match.captured(2).toDouble()),
            QPointF(match.captured(3).toDouble(), match.captured(4).toDouble()));
    }

    QTemporaryDir dir;
    PrintDocument document = smallReport();
    PrintLayout layout {document, letterPage()};
};

} // namespace

TEST_F(PrintPainterTest, PdfHoldsTheCellsTheRepeatedHeaderAndThePageNumbers)
{
    const QString pdf = dir.filePath("report.pdf");
    QPdfWriter writer(pdf);
    writer.setPageLayout(layout.pageLayout());
    ASSERT_TRUE(PrintPainter::print(writer, layout, 1, layout.pageCount()));
    ASSERT_EQ(layout.pageCount(), 2);
    EXPECT_EQ(pdfPages(pdf), 2);

    const QString first = pageText(pdf, 1);
    EXPECT_TRUE(first.contains("Vantorelle Personal Profile Report")) << first.toStdString();
    EXPECT_TRUE(first.contains("Ada Lovelace"));
    EXPECT_TRUE(first.contains(QRegularExpression("Lisinopril +10 mg +a\\|b~c")));
    EXPECT_TRUE(first.contains(QRegularExpression("Vantorelle Rize +1/2/2024 +Page 1")));

    const QString second = pageText(pdf, 2);
    EXPECT_TRUE(second.contains(QRegularExpression("Medication +Dosage +Notes")))
        << second.toStdString();
    EXPECT_TRUE(second.contains(QRegularExpression("Drug 60 +5 mg +with food")));
    EXPECT_TRUE(second.contains("Page 2"));
    EXPECT_FALSE(second.contains("Page 1"));
}

TEST_F(PrintPainterTest, PrinterAndPdfWriterPutTheTextAtTheSamePlaces)
{
    // The painter's origin differs by device and page mode; the text must not.
    const QString fromWriter = dir.filePath("writer.pdf");
    QPdfWriter writer(fromWriter);
    writer.setPageLayout(layout.pageLayout());
    ASSERT_TRUE(PrintPainter::print(writer, layout, 1, 2));

    struct Device {
        const char *name;
        QPrinter::PrinterMode mode;
        bool fullPage;
    };
    for (const Device &device : {Device {"screen resolution", QPrinter::ScreenResolution, false},
             Device {"full page", QPrinter::HighResolution, true}}) {
        SCOPED_TRACE(device.name);
        const QString fromPrinter = dir.filePath(QStringLiteral("%1.pdf").arg(device.name));
        QPrinter printer(device.mode);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(fromPrinter);
        printer.setPageLayout(layout.pageLayout());
        printer.setFullPage(device.fullPage);
        ASSERT_TRUE(PrintPainter::print(printer, layout, 1, 2));
        for (int number : {1, 2}) {
            EXPECT_EQ(pageText(fromPrinter, number), pageText(fromWriter, number));
            for (const char *word : {"Page", "Medication", "Rize"}) {
                const QRectF expected = wordBox(fromWriter, number, word);
                const QRectF actual = wordBox(fromPrinter, number, word);
                ASSERT_FALSE(expected.isNull()) << word;
                EXPECT_NEAR(actual.left(), expected.left(), 0.5) << word;
                EXPECT_NEAR(actual.top(), expected.top(), 0.5) << word;
            }
        }
    }
    // True size: the right end of the running text meets the right margin,
    // one inch from the edge of a letter page.
    EXPECT_NEAR(wordBox(fromWriter, 2, "2").right(), 612 - 72, 1);
}

TEST_F(PrintPainterTest, PrintsAPageRangeCutToTheDocument)
{
    const QString pdf = dir.filePath("range.pdf");
    QPdfWriter writer(pdf);
    writer.setPageLayout(layout.pageLayout());
    ASSERT_TRUE(PrintPainter::print(writer, layout, 2, 99));
    EXPECT_EQ(pdfPages(pdf), 1);
    EXPECT_TRUE(pageText(pdf, 1).contains("Page 2"));
}

TEST_F(PrintPainterTest, EmptyRangeOrUnwritableDevicePrintsNothingAndSaysSo)
{
    QPdfWriter writer(dir.filePath("empty.pdf"));
    EXPECT_FALSE(PrintPainter::print(writer, layout, 3, 5));
    EXPECT_FALSE(PrintPainter::print(writer, layout, 2, 1));

    QPdfWriter nowhere(dir.filePath("missing/folder/report.pdf"));
    EXPECT_FALSE(PrintPainter::print(nowhere, layout, 1, 2));
}

TEST_F(PrintPainterTest, DrawsAPageScaledIntoAnyRectangle)
{
    // A preview draws the page at its own size; ink lands inside the target.
    QImage image(400, 600, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PrintPainter::drawPage(painter, layout, 1, QRectF(50, 40, 300, 388));
    }
    bool inkInside = false;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == qRgb(255, 255, 255))
                continue;
            ASSERT_TRUE(QRect(50, 40, 300, 388).contains(x, y)) << x << "," << y;
            inkInside = true;
        }
    }
    EXPECT_TRUE(inkInside);
}

TEST_F(PrintPainterTest, PreviewWidgetShowsThePagesOfTheLayout)
{
    QPrinter printer;
    printer.setPageLayout(letterPage());
    QPrintPreviewWidget preview(&printer);
    int painted = 0;
    QObject::connect(&preview, &QPrintPreviewWidget::paintRequested, [&](QPrinter *target) {
        const PrintLayout forPrinter(document, target->pageLayout());
        if (PrintPainter::print(*target, forPrinter, 1, forPrinter.pageCount()))
            ++painted;
    });
    preview.updatePreview();
    EXPECT_EQ(painted, 1);
    EXPECT_EQ(preview.pageCount(), layout.pageCount());
}
