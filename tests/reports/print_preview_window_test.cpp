#include "report_window_fixture.h"

#include "documents/print_layout.h"
#include "reports/print_preview_window.h"
#include "store/table_catalog.h"
#include "support/fake_file_dialogs.h"
#include "support/fake_print_dialogs.h"
#include "support/find_control.h"
#include "widgets/page_view.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include <optional>

using namespace vantorelle;

namespace {

// The pages of a PDF file Qt wrote.
int pdfPageCount(const QString &path)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return static_cast<int>(QString::fromLatin1(readFile(path)).count(page));
}

class PrintPreview : public ReportWindowFixture {
protected:
    // Every section off but blood pressure, whose list then runs over many pages.
    void SetUp() override
    {
        ReportWindowFixture::SetUp();
        QByteArray settings;
        for (int n = 0; n < 15; ++n)
            settings += QStringLiteral("PrintSection%1=%2\r\n").arg(n).arg(n == 10).toLatin1();
        writeSettings(settings);
    }

    void addReadings(int count)
    {
        MemoryTable &table = context.store().table(TableId::BP);
        for (int i = 0; i < count; ++i) {
            table.addNew();
            table.setValue("REC_ID", "0x00000000");
            table.setValue("STATUS", "0x0008");
            table.setValue("Key", std::string(ann) + "8" + std::to_string(1000 + i));
            table.setValue("SBP", std::to_string(110 + i % 40));
            table.setValue("DBP", "80");
            table.setValue("Date", "20230105");
            table.setValue("Time", "08:00");
            table.update();
        }
    }

    void open(ReportKind kind = ReportKind::Profile)
    {
        window.emplace(context, kind, reportFile);
        window->show();
    }
    QString label() const { return findControl<QLabel>(*window, "lblPage")->text(); }
    PageView *pages() const { return findControl<PageView>(*window, "vp"); }
    void press(const char *button) const
    {
        QTest::mouseClick(findControl<QPushButton>(*window, button), Qt::LeftButton);
    }
    QComboBox *zoom() const { return findControl<QComboBox>(*window, "cmbZoomMode"); }

    std::optional<PrintPreviewWindow> window;
};

TEST_F(PrintPreview, OpensOnTheFirstWholePage)
{
    open(ReportKind::MasterLists);
    EXPECT_EQ(window->windowTitle(), "Print Preview");
    EXPECT_EQ(zoom()->currentText(), "WholePage");
    EXPECT_EQ(pages()->zoom(), PageView::Zoom::WholePage);
    EXPECT_EQ(label(), "1 of 1");
    QStringList items;
    for (int i = 0; i < zoom()->count(); ++i)
        items << zoom()->itemText(i);
    EXPECT_EQ(items,
        QStringList({"Thumbnail", "TwoPages", "WholePage", "PageWidth", "25%", "50%", "75%", "100%",
            "150%", "200%", "400%"}));
}

TEST_F(PrintPreview, FitsASmallScreenAndTabGoesAsTheControlsAreSeen)
{
    open(ReportKind::MasterLists);
    const int screenWidth = window->screen()->availableGeometry().width();
    ASSERT_LE(screenWidth, 1024);
    EXPECT_LE(window->minimumSizeHint().width(), screenWidth) << "every button in sight";

    QApplication::setActiveWindow(&*window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&*window));
    zoom()->setFocus();
    QStringList order;
    for (int i = 0; i < 11; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(order.join(QLatin1Char(' ')).toStdString(),
        "cmdFirst cmdPrevious cmdNext cmdLast vp cmdPageSetup cmdPrinterSetup cmdPrint "
        "cmdSaveFile cmdCancel cmbZoomMode");
}

TEST_F(PrintPreview, PageButtonsMoveOnePageAndStopAtTheEnds)
{
    addReadings(400);
    open();
    const int count = pages()->pageCount();
    ASSERT_GE(count, 9);
    const QString of = QStringLiteral(" of %1").arg(count);
    EXPECT_EQ(label(), "1" + of);

    press("cmdPrevious");
    EXPECT_EQ(label(), "1" + of);
    press("cmdNext");
    press("cmdNext");
    EXPECT_EQ(label(), "3" + of);
    EXPECT_EQ(pages()->shownPage(), 3);
    EXPECT_EQ(findControl<QScrollBar>(*window, "scrlPage")->value(), 3);
    press("cmdLast");
    EXPECT_EQ(label(), QString::number(count) + of);
    press("cmdNext");
    EXPECT_EQ(label(), QString::number(count) + of);
    press("cmdFirst");
    EXPECT_EQ(label(), "1" + of);
}

TEST_F(PrintPreview, TwoPagesShowsBothInTheLabelAndTheScrollerMovesByTwo)
{
    addReadings(400);
    open();
    const int count = pages()->pageCount();
    const QString of = QStringLiteral(" of %1").arg(count);
    QTest::keyClick(zoom(), Qt::Key_Up); // WholePage -> TwoPages
    EXPECT_EQ(pages()->zoom(), PageView::Zoom::TwoPages);
    EXPECT_EQ(label(), "1 - 2" + of);
    press("cmdNext");
    press("cmdNext");
    EXPECT_EQ(label(), "3 - 4" + of);

    auto *scroller = findControl<QScrollBar>(*window, "scrlPage");
    // The scroller's right arrow.
    QTest::mouseClick(
        scroller, Qt::LeftButton, {}, QPoint(scroller->width() - 4, scroller->height() / 2));
    EXPECT_EQ(label(), "5 - 6" + of);
    press("cmdPrevious");
    EXPECT_EQ(label(), "4 - 5" + of);
    press("cmdLast");
    EXPECT_EQ(label(), QString::number(count) + of);
}

TEST_F(PrintPreview, APercentageZoomsTheTruePageSize)
{
    open(ReportKind::MasterLists);
    zoom()->setCurrentIndex(zoom()->findText("150%"));
    EXPECT_EQ(pages()->zoom(), PageView::Zoom::Percent);
    EXPECT_EQ(pages()->zoomPercent(), 150);
    EXPECT_EQ(label(), "1 of 1");
}

TEST_F(PrintPreview, PageSetupRebuildsTheReportEvenWhenCancelled)
{
    addReadings(100);
    FakePrintDialogs dialogs(cache.filePath("printed.pdf"));
    open();
    const int portraitPages = pages()->pageCount();
    dialogs.setNextAnswers({[](QPrinter &printer) {
        printer.setPageOrientation(QPageLayout::Landscape);
        return true;
    }});
    press("cmdPageSetup");
    EXPECT_GT(pages()->pageCount(), portraitPages) << "landscape pages hold fewer rows";
    EXPECT_EQ(label(), QStringLiteral("1 of %1").arg(pages()->pageCount()));

    QFile::remove(reportFile.path());
    press("cmdPrinterSetup"); // cancelled
    EXPECT_TRUE(reportFile.exists());
    press("cmdPageSetup"); // cancelled
    EXPECT_EQ(dialogs.requests,
        QList<FakePrintDialogs::Kind>({FakePrintDialogs::PageSetup, FakePrintDialogs::PrinterSetup,
            FakePrintDialogs::PageSetup}));
}

TEST_F(PrintPreview, PrintsAllPagesOrTheChosenRange)
{
    addReadings(400);
    const QString pdf = cache.filePath("printed.pdf");
    FakePrintDialogs dialogs(pdf);
    open();
    const int count = pages()->pageCount();

    press("cmdPrint"); // cancelled
    EXPECT_FALSE(QFile::exists(pdf));

    dialogs.setNextAnswers({[](QPrinter &) { return true; }});
    press("cmdPrint");
    EXPECT_EQ(dialogs.pageCounts, QList<int>({count, count}));
    EXPECT_EQ(pdfPageCount(pdf), count) << "all pages: 1 to the page count";

    dialogs.setNextAnswers({[](QPrinter &printer) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(2, 4);
        return true;
    }});
    press("cmdPrint");
    EXPECT_EQ(pdfPageCount(pdf), 3);
    EXPECT_TRUE(prompter.boxes.isEmpty());
}

class SaveToFile : public PrintPreview, public ::testing::WithParamInterface<SaveCase> { };

TEST_P(SaveToFile, CopiesTheReportToAnRtfName)
{
    const SaveCase &c = GetParam();
    FakeFileDialogs files;
    const QString target = answerSaveDialog(files, c);
    open(ReportKind::MasterLists);
    press("cmdSaveFile");

    ASSERT_NO_FATAL_FAILURE(expectOneSaveDialog(
        files, "Save Report to File (RTF)", "Rich Text (*.RTF)|*.rtf|All files (*.*)|*.*"));
    if (c.saved) {
        EXPECT_EQ(readFile(target), readFile(reportFile.path()));
    } else if (c.fileName) {
        EXPECT_FALSE(QFile::exists(target));
    }
    expectFormatRefusal(c.refused, "RTF");
}

INSTANTIATE_TEST_SUITE_P(Names, SaveToFile,
    ::testing::Values(SaveCase {"CapitalExtension", "Report.RTF", true, false},
        SaveCase {"OtherExtension", "report.txt", false, true},
        SaveCase {"RtfWithoutDot", "myrtf", true, false},
        SaveCase {"Cancelled", nullptr, false, false}),
    saveCaseName);

TEST_F(PrintPreview, SavingOverAFileReplacesItAndAFailedSaveIsReported)
{
    FakeFileDialogs files;
    const QString target = cache.filePath("copy.rtf");
    writeFile(target, "an older report");
    open(ReportKind::MasterLists);
    files.setNextAnswers({target, cache.filePath("no/such/folder/copy.rtf")});
    press("cmdSaveFile");
    EXPECT_EQ(readFile(target), readFile(reportFile.path()));
    EXPECT_TRUE(prompter.boxes.isEmpty());

    press("cmdSaveFile");
    expectSaveError("An error occurred while saving the report to a file.");
}

} // namespace
