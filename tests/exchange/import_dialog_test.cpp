#include "exchange/import_dialog.h"
#include "exchange_dialog_fixture.h"
#include "import_fixture.h"
#include "store/clock.h"
#include "store/table_rows.h"
#include "support/accessible_names.h"
#include "support/fake_file_dialogs.h"
#include "support/fake_main_window_context.h"
#include "support/fake_prompter.h"
#include "support/find_control.h"
#include "support/temporary_install.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace vantorelle;

namespace {

class ImportDialogTest : public ExchangeDialogTest<ImportDialog> {
protected:
    void SetUp() override
    {
        Clock::install(&clock);
        copyTree(basicDataFolder(), dir.path());
        context = std::make_unique<FakeMainWindowContext>(folder().toStdString());
        ASSERT_TRUE(context->store().load().empty());
        Installation installation;
        installation.dataFolder = folder();
        context->setInstallation(installation);
        context->profile = ListedProfile {basicAnnKey, QStringLiteral("Lee, Ann")};
    }
    void TearDown() override
    {
        ExchangeDialogTest::TearDown();
        Clock::install(nullptr);
    }

    // An import file in the temporary folder.
    QString importFile(
        const QByteArray &bytes, const QString &name = QStringLiteral("readings.csv"))
    {
        writeFile(folder() + name, bytes);
        return folder() + name;
    }
    ImportDialog &open() { return openOn(*context); }

    // Adds the available entries named, one at a time, to the column order.
    void addColumns(const QStringList &columns)
    {
        for (const QString &column : columns) {
            clickEntry("lstFields(0)", column);
            click("cmdAdd(0)");
        }
    }
    void chooseFile(const std::optional<QString> &path)
    {
        fileDialogs.setNextAnswers({path});
        click("cmdFileName");
    }
    // Ann's new readings of `table` in Key order, the fields named joined by "|".
    std::vector<std::string> added(TableId table, const std::vector<std::string> &fields) const
    {
        std::vector<std::string> rows;
        for (const RowView &row : context->store().profileRows(table, basicAnnKey)) {
            if (row.value("STATUS") != "0x0008")
                continue;
            std::string values;
            for (const std::string &field : fields)
                values += (values.empty() ? "" : "|") + std::string(row.value(field));
            rows.push_back(values);
        }
        return rows;
    }

    FixedClock clock {{2026, 12, 10, 19, 30, 0}};
    std::unique_ptr<FakeMainWindowContext> context;
};

const char *const bloodPressureEntries
    = "IGNORE this field|Systolic|Diastolic|Pulse|Date|Time|Activity|Notes";

TEST_F(ImportDialogTest, TheFirstOpeningShowsTheDefaults)
{
    open();
    EXPECT_EQ(text(dialog->windowTitle()), "Import Data");
    EXPECT_EQ(shown("lblDataFor"), "for Lee, Ann");
    QComboBox *topics = control<QComboBox>("cboImport");
    ASSERT_EQ(topics->count(), 4);
    EXPECT_EQ(text(topics->itemText(3)), "Cholesterol");
    EXPECT_EQ(text(topics->currentText()), "Blood Pressure");
    EXPECT_EQ(entries("lstFields(0)"), bloodPressureEntries);
    EXPECT_EQ(entries("lstFields(1)"), "");
    EXPECT_EQ(text(control<QComboBox>("cboDateFmt")->currentText()), "mm/dd/yyyy");
    EXPECT_TRUE(control<QAbstractButton>("optDL(0)")->isChecked());
    EXPECT_FALSE(control<QAbstractButton>("chkHeader")->isChecked());
    EXPECT_EQ(shown("lblFile"), "No file selected");
    EXPECT_EQ(shown("lblSample"), "No file selected");
    EXPECT_EQ(shown("lblNum"), "none");
    EXPECT_TRUE(prompter.boxes.isEmpty());
}

TEST_F(ImportDialogTest, RestoresTheStoredChoicesAndStopsAtOneOutOfRange)
{
    storeSettings(
        "ImportData=1\r\nImportDateFmt=1\r\nImportDelim=1\r\nImportFile=/home/ann/w.txt\r\n"
        "ImportFields=Date~~IGNORE this field~~Weight~~Pulse~~\r\nImportHeaderRow=1\r\n");
    open();
    EXPECT_EQ(text(control<QComboBox>("cboImport")->currentText()), "Weight");
    EXPECT_EQ(entries("lstFields(0)"), "IGNORE this field|Weight|Date|Time|Notes");
    EXPECT_EQ(entries("lstFields(1)"), "Date|IGNORE this field|Weight|Pulse");
    EXPECT_EQ(text(control<QComboBox>("cboDateFmt")->currentText()), "dd/mm/yyyy");
    EXPECT_TRUE(control<QAbstractButton>("optDL(1)")->isChecked());
    EXPECT_TRUE(control<QAbstractButton>("chkHeader")->isChecked());
    EXPECT_EQ(shown("lblFile"), "/home/ann/w.txt");
    EXPECT_EQ(shown("lblSample"), "") << "the file cannot be read";

    storeSettings("ImportData=2\r\nImportDateFmt=2\r\nImportFile=/home/ann/w.txt\r\n");
    open();
    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_TRUE(
        prompter.boxes[0].text.startsWith("An error occurred while loading the Import Dialog."));
    EXPECT_EQ(text(control<QComboBox>("cboImport")->currentText()), "Glucose");
    EXPECT_EQ(shown("lblFile"), "No file selected")
        << "the steps after the failing one are skipped";
}

TEST_F(ImportDialogTest, ATopicOffersItsFieldsAndAllLeavesOutTheIgnoredColumn)
{
    open();
    addColumns({"Systolic"});
    QComboBox *topics = control<QComboBox>("cboImport");
    topics->setFocus();
    QTest::keyClick(topics, Qt::Key_Down);
    EXPECT_EQ(text(topics->currentText()), "Weight");
    EXPECT_EQ(entries("lstFields(1)"), "") << "another topic empties the column order";
    click("cmdAdd(2)");
    EXPECT_EQ(entries("lstFields(1)"), "Weight|Date|Time|Notes");
}

TEST_F(ImportDialogTest, TheChosenFileShowsItsFirstLine)
{
    open();
    // UTF-8 with a byte-order mark, lines ending in LF only.
    const QString path = importFile("\xEF\xBB\xBF"
                                    "120,80,3/7/2024,caf\xC3\xA9\n121,81,3/8/2024\n");
    chooseFile(path);
    EXPECT_EQ(shown("lblFile"), text(path));
    EXPECT_EQ(shown("lblSample"), "120,80,3/7/2024,caf\xC3\xA9");
    ASSERT_EQ(fileDialogs.requests.size(), 1);
    EXPECT_EQ(text(fileDialogs.requests[0].title), "File to Import");
    EXPECT_EQ(text(fileDialogs.requests[0].filter),
        "Delimited Text (*.CSV; *.TXT)|*.csv; *.txt|All files (*.*)|*.*");

    chooseFile(std::nullopt);
    EXPECT_EQ(shown("lblFile"), text(path)) << "cancelling keeps the file chosen";
    EXPECT_EQ(text(fileDialogs.requests[1].initialPath), text(dir.path()));

    chooseFile(importFile(QByteArray(100000, 'x'), QStringLiteral("one-line.csv")));
    EXPECT_EQ(shown("lblSample"), std::string(1000, 'x')) << "the start of a line without end";

    chooseFile(folder() + QStringLiteral("gone.csv"));
    EXPECT_EQ(boxTitles(), "Bad File Selection");
    EXPECT_EQ(text(prompter.boxes[0].text), "A valid file has not been selected");
    EXPECT_EQ(shown("lblFile"), "No file selected");
    EXPECT_EQ(control("lblFile")->toolTip(), QString()) << "no path of a file given up";
    EXPECT_EQ(shown("lblSample"), "No file selected");
}

TEST_F(ImportDialogTest, ImportRefusesIncompleteChoicesAndStoresNothing)
{
    const QString path = importFile("120,80,3/7/2024\r\n");
    const struct {
        const char *name;
        bool file;
        QStringList columns;
        const char *title, *message;
    } cases[] = {
        {"no file", false, {"Date"}, "Bad File Selection", "A valid file has not been selected"},
        {"no columns", true, {}, "No Fields Selected", "A list of fields has not been selected"},
        {"no date", true, {"Systolic", "Time"}, "Required Field",
            "The Date field must be one of the fields imported.  Please check the fields to be "
            "imported and try again."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        prompter.boxes.clear();
        open();
        if (c.file)
            chooseFile(path);
        addColumns(c.columns);
        click("cmdImport");
        EXPECT_EQ(boxTitles(), c.title);
        EXPECT_EQ(text(prompter.boxes.value(0).text), c.message);
        EXPECT_EQ(prompter.boxes.value(0).icon, Prompter::Exclamation);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_TRUE(control("cmdImport")->isEnabled());
    }
    EXPECT_FALSE(QFileInfo::exists(settingsFile()));
    EXPECT_TRUE(added(TableId::BP, {"Date"}).empty());
}

TEST_F(ImportDialogTest, AnImportAsTheUserMakesIt)
{
    const QString path = importFile("Date\tTime\tSystolic\tDiastolic\tWhere\tNotes\n"
                                    "\n"
                                    "25/12/2025\t8:05 PM\t118\t76\thome\tcaf\xC3\xA9\n"
                                    "31/12/2025\t7:00\t1234567\t80\thome\t\"quoted\"\n"
                                    "30/02/2025\t7:00\t120\t80\thome\tnot a day\n"
                                    "\t\t119\t79\n"
                                    "1/1/2025\t25:00\t120\t80\n");
    open();
    QComboBox *dateFormats = control<QComboBox>("cboDateFmt");
    dateFormats->setFocus();
    QTest::keyClick(dateFormats, Qt::Key_Down);
    QAbstractButton *header = control<QAbstractButton>("chkHeader");
    header->setFocus();
    QTest::keyClick(header, Qt::Key_Space);
    click("optDL(1)");
    addColumns({"Date", "Time", "Systolic", "Diastolic", "IGNORE this field", "Notes"});
    chooseFile(path);
    click("cmdImport");

    ASSERT_EQ(boxTitles(), "Error|Import");
    EXPECT_TRUE(prompter.boxes[0].text.startsWith("An error occurred while adding during import."));
    EXPECT_TRUE(prompter.boxes[0].text.contains(
        "Line 5: The date \"30/02/2025\" is not a date in the chosen format."))
        << text(prompter.boxes[0].text);
    EXPECT_EQ(text(prompter.boxes[1].text), "Import Complete\r\n\r\n2 lines could not be imported.")
        << "the second refused line shows no box of its own";
    EXPECT_EQ(prompter.boxes[1].icon, Prompter::Information);
    EXPECT_EQ(shown("lblNum"), "2");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(added(TableId::BP, {"REC_ID", "SBP", "DBP", "Date", "Time", "Notes"}),
        (std::vector<std::string> {
            "0x00000000|12345|80|20251231|07:00|\"quoted\"",
            "0x00000000|118|76|20251225|20:05|caf\xE9", // cp1252, as the tables hold text
        }));
    EXPECT_EQ(context->refreshes,
        QStringList {QStringLiteral("selectTopic(%1)").arg(topicIndex(Topic::BloodPressure))});
    EXPECT_EQ(readFile(settingsFile()),
        "[Main]\r\nImportFile=" + path.toUtf8()
            + "\r\nImportFields=Date~~Time~~Systolic~~Diastolic~~IGNORE this field~~Notes~~\r\n"
              "ImportHeaderRow=1\r\nImportData=0\r\nImportDateFmt=1\r\nImportDelim=1\r\n");

    open(); // the next opening shows the same choices
    EXPECT_EQ(entries("lstFields(1)"), "Date|Time|Systolic|Diastolic|IGNORE this field|Notes");
    EXPECT_EQ(shown("lblFile"), text(path));
    EXPECT_EQ(shown("lblSample"), "Date\tTime\tSystolic\tDiastolic\tWhere\tNotes");
    EXPECT_EQ(shown("lblNum"), "none");
}

// A file of UTF-8 text: a character the tables cannot hold is stored as "?",
// and the end tells of the lines stored so. One outside what is stored (cut
// off by a field's size, in a column not imported, on a line refused) changes
// nothing stored and is not told.
struct ReplacedCase {
    const char *name;
    QByteArray file; // columns: Systolic, Date, not imported, Notes
    std::vector<std::string> stored; // SBP|Notes, newest first
    const char *boxes;
    const char *complete;
};

void PrintTo(const ReplacedCase &c, std::ostream *out)
{
    *out << c.name;
}

class ImportReplacedTest : public ImportDialogTest,
                           public ::testing::WithParamInterface<ReplacedCase> { };

TEST_P(ImportReplacedTest, StoresTheLineAndTellsOfIt)
{
    const ReplacedCase &c = GetParam();
    const QString path = importFile(c.file);
    open();
    addColumns({"Systolic", "Date", "IGNORE this field", "Notes"});
    chooseFile(path);
    click("cmdImport");
    EXPECT_EQ(added(TableId::BP, {"SBP", "Notes"}), c.stored);
    ASSERT_EQ(boxTitles(), c.boxes);
    EXPECT_EQ(text(prompter.boxes.back().text), c.complete);
}

INSTANTIATE_TEST_SUITE_P(ImportDialog, ImportReplacedTest,
    ::testing::Values(
        ReplacedCase {"Several",
            "120,3/7/2024,x,caf\xC3\xA9\r\n"
            "121,3/8/2024,x,done \xE2\x9C\x93\r\n"
            "122,3/9/2024,x,\"BP 150 \xE2\x86\x92 call \"\"Dr. \xC5\x81ukasz\"\"\"\r\n",
            {"122|BP 150 ? call \"Dr. ?ukasz\"", "121|done ?", "120|caf\xE9"}, "Import",
            "Import Complete\r\n\r\n2 lines held characters that could not be stored as they "
            "were; \"?\" was stored in their place. The first is line 2."},
        ReplacedCase {"OneBesideARefusedLine",
            "12345\xE2\x9C\x93,3/7/2024,\xE2\x9C\x93,ok?\r\n"
            "121,3/8/2024,x,smile \xF0\x9F\x98\x80\r\n"
            "122,31/31/2024,x,\xE2\x9C\x93\r\n",
            {"121|smile ?", "12345|ok?"}, "Error|Import",
            "Import Complete\r\n\r\n1 line could not be imported.\r\n1 line held characters "
            "that could not be stored as they were; \"?\" was stored in their place. It is line "
            "2."},
        ReplacedCase {"Cp1252Only",
            "120,3/7/2024,x,caf\xC3\xA9 \xE2\x82\xAC"
            "5?\r\n",
            {"120|caf\xE9 \x80"
             "5?"},
            "Import", "Import Complete"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ImportDialogTest, GlucoseReadingsTakeTheUnitsTheUserAnswers)
{
    // The byte-order mark does not reach the first column.
    const QString path = importFile("\xEF\xBB\xBF"
                                    "5.4,mg/dL,1/2/2024\r\n");
    open();
    QComboBox *topics = control<QComboBox>("cboImport");
    topics->setFocus();
    QTest::keyClicks(topics, "G");
    addColumns({"Glucose", "Units", "Date"});
    chooseFile(path);
    prompter.setNextAnswers({Prompter::No});
    click("cmdImport");
    ASSERT_EQ(boxTitles(), "Glucose Units|Import");
    EXPECT_EQ(text(prompter.boxes[0].text),
        "Are the glucose units in mg/dL?\r\n\r\nSelect No for units of mmol/L.");
    EXPECT_EQ(prompter.boxes[0].buttons, Prompter::YesNo);
    EXPECT_EQ(added(TableId::Glucose, {"Glucose", "Units", "Date"}),
        std::vector<std::string> {"5.4|mmol/L|20240102"});
}

// What stops a running import: each one lets the line in hand finish, and
// the readings added stay.
enum class Stop { CancelButton, EscapeKey, CloseWindow };

struct StopCase {
    Stop stop;
    const char *name;
};

void PrintTo(const StopCase &c, std::ostream *out)
{
    *out << c.name;
}

class ImportStopTest : public ImportDialogTest, public ::testing::WithParamInterface<StopCase> { };

TEST_P(ImportStopTest, StopsAfterTheLineInHand)
{
    const QString path = importFile("120,1/1/2024\r\n121,1/2/2024\r\n122,1/3/2024\r\n");
    open();
    addColumns({"Systolic", "Date"});
    chooseFile(path);
    // Runs while the import lets the window repaint after its first line.
    QTimer::singleShot(0, dialog.get(), [this] {
        EXPECT_FALSE(control("cmdImport")->isEnabled());
        EXPECT_FALSE(control("cboImport")->isEnabled());
        EXPECT_FALSE(control("lstFields(1)")->isEnabled());
        switch (GetParam().stop) {
        case Stop::CancelButton:
            click("cmdCancel");
            break;
        case Stop::EscapeKey:
            QTest::keyClick(dialog.get(), Qt::Key_Escape);
            break;
        case Stop::CloseWindow:
            dialog->close();
            break;
        }
    });
    click("cmdImport");

    EXPECT_EQ(added(TableId::BP, {"SBP"}), std::vector<std::string> {"120"});
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(boxTitles(), "") << "no Import Complete";
    EXPECT_EQ(context->refreshes.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(ImportDialog, ImportStopTest,
    ::testing::Values(StopCase {Stop::CancelButton, "CancelButton"},
        StopCase {Stop::EscapeKey, "EscapeKey"}, StopCase {Stop::CloseWindow, "CloseWindow"}),
    [](const ::testing::TestParamInfo<StopCase> &info) { return std::string(info.param.name); });

// A program closing on its own ends the dialog while the import runs: the
// file is still imported whole, and nobody is asked or told anything.
TEST_F(ImportDialogTest, AnImportRunsToTheEndWhenTheProgramEndsItsWindow)
{
    const QString path = importFile("120,1/1/2024\r\n121,1/2/2024\r\n122,1/3/2024\r\n");
    open();
    addColumns({"Systolic", "Date"});
    chooseFile(path);
    QTimer::singleShot(0, dialog.get(), [this] { dialog->hide(); });
    click("cmdImport");

    EXPECT_EQ(added(TableId::BP, {"SBP"}), (std::vector<std::string> {"122", "121", "120"}));
    EXPECT_EQ(boxTitles(), "");
    EXPECT_TRUE(context->refreshes.isEmpty());
}

// A screen reader meets the field lists and the date formats by their captions.
TEST_F(ImportDialogTest, ItsControlsAreNamedByTheirCaptions)
{
    open();
    for (const auto &[name, caption] : {std::pair {"lstFields(0)", "Available Fields:"},
             std::pair {"lstFields(1)", "Field Order In File to Import:"},
             std::pair {"cboDateFmt", "Import date format:"}})
        expectNamed(control(name), QString::fromLatin1(caption));
    expectNamedByCaptions(*dialog);
}

} // namespace
