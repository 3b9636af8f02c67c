#include "report_window_fixture.h"

#include "reports/print_master_lists_dialog.h"
#include "reports/print_options_dialog.h"
#include "reports/print_preview_window.h"
#include "support/find_control.h"
#include "widgets/date_time_picker.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <ostream>

using namespace vantorelle;

namespace {

using Settings = std::vector<std::pair<std::string, std::string>>;

// The preview an option dialog opens, seen as it shows and then closed.
struct PreviewSeen {
    bool shown = false;
    QString title;
    QString pages;
};

class PrintOptionDialogs : public ReportWindowFixture {
protected:
    // Closes the next preview as soon as it shows, noting what it showed.
    void closePreviewOnShow()
    {
        QTimer::singleShot(0, [this] {
            auto *preview = qobject_cast<PrintPreviewWindow *>(QApplication::activeModalWidget());
            if (!preview)
                return;
            seen.shown = true;
            seen.title = preview->windowTitle();
            seen.pages = findControl<QLabel>(*preview, "lblPage")->text();
            preview->reject();
        });
    }

    static QCheckBox *section(QDialog &dialog, int n)
    {
        return findControl<QCheckBox>(dialog, QStringLiteral("chkSections(%1)").arg(n).toLatin1());
    }
    static QComboBox *form(QDialog &dialog, int n)
    {
        return findControl<QComboBox>(dialog, QStringLiteral("cboSections(%1)").arg(n).toLatin1());
    }
    static DateTimePicker *picker(QDialog &dialog, const char *name)
    {
        return findControl<DateTimePicker>(dialog, name);
    }
    // Clicks the box itself: a check box laid out wider than its text takes
    // no click beyond it.
    static void click(QCheckBox *box)
    {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }
    void clickPreview(QDialog &dialog)
    {
        closePreviewOnShow();
        QTest::mouseClick(findControl<QPushButton>(dialog, "cmdPrint"), Qt::LeftButton);
    }

    PreviewSeen seen;
};

constexpr int sectionsWithForms[] = {1, 2, 3, 4, 5, 6, 7, 9, 13};

TEST_F(PrintOptionDialogs, WithoutSettingsEverythingIsOnAsListsForToday)
{
    PrintOptionsDialog dialog(context, reportFile);
    EXPECT_EQ(dialog.windowTitle(), "Print Report");
    for (int n = 0; n < 15; ++n)
        EXPECT_TRUE(section(dialog, n)->isChecked()) << n;
    for (int n : sectionsWithForms) {
        EXPECT_EQ(form(dialog, n)->currentText(), "List Only") << n;
        EXPECT_EQ(form(dialog, n)->count(), 2);
    }
    EXPECT_EQ(dialog.findChildren<QComboBox *>().size(), 9);
    EXPECT_FALSE(findControl<QCheckBox>(dialog, "chkPrintDateRange")->isChecked());
    EXPECT_EQ(picker(dialog, "DTPrintStart")->date(), QDate(2024, 6, 11));
    EXPECT_EQ(picker(dialog, "DTPrintEnd")->date(), QDate(2024, 6, 11));

    PrintMasterListsDialog lists(context, reportFile);
    EXPECT_EQ(lists.windowTitle(), "Print Master Lists");
    const char *captions[]
        = {"Contacts", "Insurance", "Location", "Pharmacy", "Provider", "Provider Type"};
    for (int n = 0; n < 6; ++n) {
        EXPECT_TRUE(section(lists, n)->isChecked()) << n;
        EXPECT_EQ(section(lists, n)->text(), captions[n]);
    }
}

TEST_F(PrintOptionDialogs, MasterListsDialogIsWideEnoughForItsWholeTitle)
{
    PrintMasterListsDialog lists(context, reportFile);
    lists.show();
    QFont titleFont = lists.font();
    titleFont.setBold(true);
    // Beside the title a window manager draws the window icon and three buttons.
    EXPECT_GE(lists.width(),
        QFontMetrics(titleFont).horizontalAdvance(QStringLiteral("Print Master Lists")) + 150);
}

TEST_F(PrintOptionDialogs, ShowsTheStoredChoices)
{
    writeSettings("PrintSection3=0\r\nPrintSection14=0\r\nPrintSectionType4=1\r\n"
                  "PrintSectionType13=1\r\nPrintDateRange=1\r\nPrintDateStart=3/1/2024\r\n"
                  "PrintDateEnd=3/31/2024\r\nPrintList2=0\r\n");
    PrintOptionsDialog dialog(context, reportFile);
    for (int n = 0; n < 15; ++n)
        EXPECT_EQ(section(dialog, n)->isChecked(), n != 3 && n != 14) << n;
    for (int n : sectionsWithForms)
        EXPECT_EQ(form(dialog, n)->currentIndex(), n == 4 || n == 13 ? 1 : 0) << n;
    EXPECT_TRUE(findControl<QCheckBox>(dialog, "chkPrintDateRange")->isChecked());
    EXPECT_EQ(picker(dialog, "DTPrintStart")->date(), QDate(2024, 3, 1));
    EXPECT_EQ(picker(dialog, "DTPrintEnd")->date(), QDate(2024, 3, 31));

    PrintMasterListsDialog lists(context, reportFile);
    for (int n = 0; n < 6; ++n)
        EXPECT_EQ(section(lists, n)->isChecked(), n != 2) << n;
}

// A stored value and the choice it shows; values out of range or unreadable
// give the key's default, text without a number reads as 0.
struct StoredCase {
    const char *name;
    const char *line;
    bool sectionThreeOn;
    int formOfSectionFour;
    bool rangeOn;
    QDate start;
};

void PrintTo(const StoredCase &c, std::ostream *out)
{
    *out << c.name;
}

class StoredValues : public PrintOptionDialogs,
                     public ::testing::WithParamInterface<StoredCase> { };

TEST_P(StoredValues, OpenTheDialogAsTheyCan)
{
    const StoredCase &c = GetParam();
    writeSettings(QByteArray(c.line) + "\r\n");
    PrintOptionsDialog dialog(context, reportFile);
    EXPECT_EQ(section(dialog, 3)->isChecked(), c.sectionThreeOn);
    EXPECT_EQ(form(dialog, 4)->currentIndex(), c.formOfSectionFour);
    EXPECT_EQ(findControl<QCheckBox>(dialog, "chkPrintDateRange")->isChecked(), c.rangeOn);
    EXPECT_EQ(picker(dialog, "DTPrintStart")->date(), c.start);
}

const QDate june11(2024, 6, 11);

INSTANTIATE_TEST_SUITE_P(Values, StoredValues,
    ::testing::Values(
        StoredCase {"SectionWithoutNumber", "PrintSection3=off", false, 0, false, june11},
        StoredCase {"SectionOutOfRange", "PrintSection3=2", true, 0, false, june11},
        StoredCase {"SectionNegative", "PrintSection3=-1", true, 0, false, june11},
        StoredCase {"SectionRoundedToOne", "PrintSection3=0.6", true, 0, false, june11},
        StoredCase {"FormOutOfRange", "PrintSectionType4=5", true, 0, false, june11},
        StoredCase {"FormAllDetails", "PrintSectionType4=1.0", true, 1, false, june11},
        StoredCase {"RangeOutOfRange", "PrintDateRange=3", true, 0, false, june11},
        StoredCase {"DateUnreadable", "PrintDateStart=someday", true, 0, false, june11},
        StoredCase {"DayTheMonthLacks", "PrintDateStart=2/30/2024", true, 0, false, june11},
        StoredCase {"DateWithTime", "PrintDateStart=2/3/2024 11:59:00 PM", true, 0, false,
            QDate(2024, 2, 3)}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(PrintOptionDialogs, PreviewStoresEveryChoiceThenPreviewsTheProfileReport)
{
    writeSettings("PrintSection14=abc\r\nPrintList0=0\r\n");
    PrintOptionsDialog dialog(context, reportFile);
    dialog.show();
    // The user's changes, by keyboard and mouse.
    QTest::keyClick(section(dialog, 3), Qt::Key_Space);
    QTest::keyClick(form(dialog, 4), Qt::Key_Down);
    click(findControl<QCheckBox>(dialog, "chkPrintDateRange"));
    QTest::keyClicks(picker(dialog, "DTPrintStart")->findChild<QDateTimeEdit *>(), "03012024");
    QTest::keyClicks(picker(dialog, "DTPrintEnd")->findChild<QDateTimeEdit *>(), "03312024");
    clickPreview(dialog);

    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.title, "Print Preview");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(settings(),
        Settings({{"PrintSection14", "0"}, {"PrintList0", "0"}, {"PrintSection0", "1"},
            {"PrintSection1", "1"}, {"PrintSectionType1", "0"}, {"PrintSection2", "1"},
            {"PrintSectionType2", "0"}, {"PrintSection3", "0"}, {"PrintSectionType3", "0"},
            {"PrintSection4", "1"}, {"PrintSectionType4", "1"}, {"PrintSection5", "1"},
            {"PrintSectionType5", "0"}, {"PrintSection6", "1"}, {"PrintSectionType6", "0"},
            {"PrintSection7", "1"}, {"PrintSectionType7", "0"}, {"PrintSection8", "1"},
            {"PrintSection9", "1"}, {"PrintSectionType9", "0"}, {"PrintSection10", "1"},
            {"PrintSection11", "1"}, {"PrintSection12", "1"}, {"PrintSection13", "1"},
            {"PrintSectionType13", "0"}, {"PrintDateRange", "1"}, {"PrintDateStart", "3/1/2024"},
            {"PrintDateEnd", "3/31/2024"}}));
    // The preview built the profile report, from the choices stored.
    const QByteArray report = readFile(reportFile.path());
    EXPECT_TRUE(report.contains("Vantorelle Personal Profile Report"));
    EXPECT_FALSE(report.contains("Allergies")) << "section 3 was switched off";
}

TEST_F(PrintOptionDialogs, EnterAfterADateTypedPreviewsWithThatDate)
{
    PrintOptionsDialog dialog(context, reportFile);
    dialog.show();
    click(findControl<QCheckBox>(dialog, "chkPrintDateRange"));
    auto *end = picker(dialog, "DTPrintEnd")->findChild<QDateTimeEdit *>();
    end->setFocus();
    QTest::keyClicks(end, "03312024");
    closePreviewOnShow();
    QTest::keyClick(end, Qt::Key_Return); // as in any edit: the default button, Preview

    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const Settings stored = settings();
    EXPECT_NE(std::find(stored.begin(), stored.end(),
                  std::pair<std::string, std::string>("PrintDateEnd", "3/31/2024")),
        stored.end());
}

TEST_F(PrintOptionDialogs, CancelStoresNothingAndOpensNothing)
{
    writeSettings("PrintSection3=0\r\n");
    const QByteArray before = readFile(settingsFile());
    PrintOptionsDialog dialog(context, reportFile);
    dialog.show();
    QTest::keyClick(section(dialog, 5), Qt::Key_Space);
    closePreviewOnShow();
    QTest::mouseClick(findControl<QPushButton>(dialog, "cmdCancel"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);

    PrintMasterListsDialog lists(context, reportFile);
    lists.show();
    QTest::keyClick(section(lists, 1), Qt::Key_Space);
    QTest::mouseClick(findControl<QPushButton>(lists, "cmdCancel"), Qt::LeftButton);
    EXPECT_EQ(lists.result(), QDialog::Rejected);

    QApplication::processEvents();
    EXPECT_FALSE(seen.shown);
    EXPECT_EQ(readFile(settingsFile()), before);
    EXPECT_FALSE(reportFile.exists());
}

TEST_F(PrintOptionDialogs, MasterListsPreviewStoresItsOwnKeysOnly)
{
    writeSettings("PrintSection3=0\r\n");
    PrintMasterListsDialog dialog(context, reportFile);
    dialog.show();
    click(section(dialog, 0));
    QTest::keyClick(section(dialog, 5), Qt::Key_Space);
    clickPreview(dialog);

    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.pages, "1 of 1");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(settings(),
        Settings({{"PrintSection3", "0"}, {"PrintList0", "0"}, {"PrintList1", "1"},
            {"PrintList2", "1"}, {"PrintList3", "1"}, {"PrintList4", "1"}, {"PrintList5", "0"}}));
    const QByteArray report = readFile(reportFile.path());
    EXPECT_TRUE(report.contains("Master Lists")) << report.left(2000).toStdString();
    EXPECT_FALSE(report.contains("Personal Profile"));
}

TEST_F(PrintOptionDialogs, ASettingsFileThatCannotBeWrittenIsToldOnceAndThePreviewStillOpens)
{
    Installation elsewhere = context.installation();
    elsewhere.dataFolder = data.filePath(QStringLiteral("missing/"));
    context.setInstallation(elsewhere);
    PrintOptionsDialog dialog(context, reportFile);
    dialog.show();
    clickPreview(dialog);

    EXPECT_TRUE(seen.shown);
    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].text,
        "An error occurred while writing to the ini file.\r\n\r\nFilename = "
            + elsewhere.settingsFile() + " (Path not found)");
}

} // namespace
