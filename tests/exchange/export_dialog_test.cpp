#include "exchange/export_dialog.h"
#include "exchange_dialog_fixture.h"
#include "export_fixture.h"
#include "store/clock.h"
#include "support/accessible_names.h"
#include "support/fake_file_dialogs.h"
#include "support/fake_main_window_context.h"
#include "support/fake_prompter.h"
#include "support/file_size_limit.h"
#include "support/find_control.h"
#include "support/temporary_install.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace vantorelle;

namespace {

class ExportDialogTest : public ExchangeDialogTest<ExportDialog> {
protected:
    void SetUp() override
    {
        addFamily(context.store());
        Installation installation;
        installation.dataFolder = folder();
        context.setInstallation(installation);
        context.profile = ListedProfile {annKey, QStringLiteral("Lee, Ann")};
        DisplayPreferences display;
        display.dateFormat = DateFormat::DayMonthYear;
        display.dateSeparator = ".";
        context.preferences().setDisplay(display);
    }

    ExportDialog &open() { return openOn(context); }
    bool checked(const char *option) { return control<QAbstractButton>(option)->isChecked(); }
    // The file dialog answers `path` to the next click on the file button.
    void chooseFile(const QString &path)
    {
        fileDialogs.setNextAnswers({path});
        click("cmdGetDir");
    }

    FakeMainWindowContext context;
};

const char *const insuranceFields = "Company|Type|Group #|Policy #|Date|Phone|FAX|Address|Notes";

TEST_F(ExportDialogTest, TheFirstOpeningShowsTheDefaults)
{
    open();
    EXPECT_EQ(text(dialog->windowTitle()), "Export Data");
    EXPECT_EQ(shown("lblDataFor"), "for Lee, Ann");
    EXPECT_EQ(control<QComboBox>("cboExport")->count(), 14);
    EXPECT_EQ(text(control<QComboBox>("cboExport")->currentText()), "Insurance List");
    EXPECT_EQ(entries("lstFields(0)"), insuranceFields);
    EXPECT_EQ(entries("lstFields(1)"), "");
    EXPECT_TRUE(checked("optDL(0)"));
    EXPECT_TRUE(checked("optData(0)"));
    EXPECT_FALSE(control("Frame2")->isEnabled()) << "no delimiter or fields for the whole database";
    EXPECT_EQ(text(control<QLineEdit>("txtDelim")->text()), "");
    EXPECT_EQ(shown("lblFilename"), "No Filename Selected");
    EXPECT_FALSE(control("lblNum")->isVisible());
    EXPECT_TRUE(prompter.boxes.isEmpty());
}

TEST_F(ExportDialogTest, RestoresTheStoredChoicesButFieldsTheTopicDoesNotHave)
{
    storeSettings("ExportData=9\r\nExportDelim=2\r\nExportFormat=1\r\nExportDelimCustom=\" | \"\r\n"
                  "ExportFile=/home/ann/bp.csv\r\nExportFields=Date~~Systolic~~Reason~~Date~~\r\n");
    open();
    EXPECT_EQ(text(control<QComboBox>("cboExport")->currentText()), "Blood Pressure Data List");
    EXPECT_EQ(entries("lstFields(1)"), "Date|Systolic|Date");
    EXPECT_TRUE(checked("optDL(2)"));
    EXPECT_EQ(text(control<QLineEdit>("txtDelim")->text()), " | ");
    EXPECT_TRUE(checked("optData(1)"));
    EXPECT_TRUE(control("Frame2")->isEnabled());
    EXPECT_EQ(shown("lblFilename"), "/home/ann/bp.csv");
}

TEST_F(ExportDialogTest, StoredFieldListsEndEachEntryWithTwoTildes)
{
    const struct {
        const char *stored, *restored;
    } cases[] = {
        {"Weight~~Notes~~", "Weight|Notes"},
        {"Weight~~Notes", "Weight"},
        {"Weight", ""},
        {"", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stored);
        storeSettings(QByteArray("ExportData=10\r\nExportFields=") + c.stored + "\r\n");
        open();
        EXPECT_EQ(entries("lstFields(1)"), c.restored);
    }
}

TEST_F(ExportDialogTest, AStoredChoiceOutOfRangeEndsTheRestoring)
{
    storeSettings("ExportData=9\r\nExportDelim=3\r\nExportFile=/home/ann/bp.csv\r\n");
    open();
    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_TRUE(
        prompter.boxes[0].text.startsWith("An error occurred while loading the Export Dialog."));
    EXPECT_EQ(text(control<QComboBox>("cboExport")->currentText()), "Blood Pressure Data List");
    EXPECT_EQ(shown("lblFilename"), "No Filename Selected");
}

TEST_F(ExportDialogTest, ChoosingATopicOffersItsFieldsAndSelectsTheTopicExport)
{
    storeSettings("ExportData=9\r\nExportFields=Date~~Notes~~\r\n");
    open();
    QComboBox *topics = control<QComboBox>("cboExport");
    topics->setFocus();
    QTest::keyClick(topics, Qt::Key_Down);
    EXPECT_EQ(text(topics->currentText()), "Weight Data List");
    EXPECT_EQ(entries("lstFields(0)"), "Weight|Date|Time|Notes");
    EXPECT_EQ(entries("lstFields(1)"), "") << "even fields the new topic has too";
    EXPECT_TRUE(checked("optData(1)"));
    EXPECT_TRUE(control("Frame2")->isEnabled());

    click("optData(0)");
    EXPECT_FALSE(control("Frame2")->isEnabled());
}

TEST_F(ExportDialogTest, TheWholeDatabaseChangesOnlyTheFinalExtensionOfTheChosenName)
{
    const struct {
        const char *option, *chosen, *shown;
    } cases[] = {
        {"optData(0)", "/home/ann/family.csv", "/home/ann/family.lxp"},
        {"optData(0)", "/home/ann/family.txt", "/home/ann/family.lxp"},
        {"optData(0)", "/home/ann/a.txt.d/x.csv.csv", "/home/ann/a.txt.d/x.csv.lxp"},
        {"optData(0)", "/home/ann/family.TXT", "/home/ann/family.TXT"},
        {"optData(0)", "/home/ann/family.dat", "/home/ann/family.dat"},
        {"optData(1)", "/home/ann/family.txt", "/home/ann/family.txt"},
    };
    open();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.chosen);
        click(c.option);
        chooseFile(QString::fromUtf8(c.chosen));
        EXPECT_EQ(shown("lblFilename"), c.shown);
    }
    const FakeFileDialogs::Request &request = fileDialogs.requests.back();
    EXPECT_EQ(request.kind, FakeFileDialogs::Save);
    EXPECT_EQ(text(request.title), "Select Filename to Create or Save to");
    EXPECT_EQ(text(request.filter),
        "Text Files(*.txt,*.csv,*.lxp)|*.txt;*.csv;*.lxp|All Files (*.*)|*.*");
    EXPECT_EQ(text(request.initialPath), "/home/ann/family.dat") << "the name chosen before";
    EXPECT_EQ(request.existing, FileDialogs::ExistingFile::DoNotConfirm)
        << "Export asks before replacing a file";

    click("cmdGetDir"); // cancelled
    EXPECT_EQ(shown("lblFilename"), "/home/ann/family.txt");
    click("optData(0)");
    EXPECT_EQ(shown("lblFilename"), "/home/ann/family.txt") << "the option changes no name";
}

TEST_F(ExportDialogTest, ALongFileNameLeavesTheDialogWithinTheScreen)
{
    const QString folder = QStringLiteral("/home/ann/") + QString(40, QLatin1Char('f'))
        + QStringLiteral(" family health exports/");
    const QString stored = folder + QString(120, QLatin1Char('s')) + QStringLiteral(".dat");
    const QString chosen = folder + QString(240, QLatin1Char('c')) + QStringLiteral(".dat");
    storeSettings("ExportFile=" + stored.toUtf8() + "\r\n");
    open();
    const int screenWidth = dialog->screen()->availableGeometry().width();
    const auto fitsTheScreen = [&] {
        QApplication::processEvents();
        EXPECT_LE(dialog->minimumSizeHint().width(), screenWidth);
        EXPECT_LE(dialog->width(), screenWidth) << "Export and Cancel stay in sight";
    };
    fitsTheScreen();
    EXPECT_EQ(control("lblFilename")->toolTip(), stored) << "the whole path, where it is cut";

    const int width = dialog->width();
    chooseFile(chosen);
    fitsTheScreen();
    EXPECT_EQ(dialog->width(), width);
    EXPECT_EQ(shown("lblFilename"), text(chosen));
    EXPECT_EQ(control("lblFilename")->toolTip(), chosen);
}

TEST_F(ExportDialogTest, ChoicesMissingForAnExportAreAskedFor)
{
    open();
    click("cmdExport");
    EXPECT_EQ(boxTitles(), "File Not Selected");
    EXPECT_EQ(text(prompter.boxes[0].text), "Please select a filename");
    EXPECT_EQ(prompter.boxes[0].icon, Prompter::Information);

    chooseFile(folder() + QStringLiteral("bp.csv"));
    click("optData(1)");
    click("cmdExport");
    EXPECT_EQ(boxTitles(), "File Not Selected|Field Not Selected");
    EXPECT_EQ(text(prompter.boxes[1].text), "Please select a field to export");
    EXPECT_EQ(prompter.boxes[1].icon, Prompter::Exclamation);

    EXPECT_FALSE(QFileInfo::exists(settingsFile())) << "nothing stored";
    EXPECT_FALSE(QFileInfo::exists(folder() + QStringLiteral("bp.csv")));
    EXPECT_EQ(finished->count(), 0);
}

// No, or no answer at all (the program closed the question, as at the end
// of the session), leaves the old file.
TEST_F(ExportDialogTest, NoOrNoAnswerToOverwritingLeavesTheFileAndTheSettings)
{
    const QString path = folder() + QStringLiteral("family.lxp");
    writeFile(path, "the old export\r\n");
    open();
    chooseFile(path);
    for (const int answer : {Prompter::No, Prompter::Unanswered}) {
        SCOPED_TRACE(answer);
        prompter.boxes.clear();
        prompter.setNextAnswers({answer});
        click("cmdExport");
        ASSERT_EQ(boxTitles(), "File Exists");
        EXPECT_EQ(text(prompter.boxes[0].text),
            "The filename already exists.  Would you like to overwrite the current file?");
        EXPECT_EQ(prompter.boxes[0].buttons, Prompter::YesNo);
        EXPECT_EQ(prompter.boxes[0].icon, Prompter::Question);
        EXPECT_EQ(readFile(path), "the old export\r\n");
        EXPECT_FALSE(QFileInfo::exists(settingsFile()));
        EXPECT_EQ(finished->count(), 0);
    }
}

TEST_F(ExportDialogTest, AFolderThatDoesNotExistCannotTakeTheFile)
{
    open();
    chooseFile(folder() + QStringLiteral("missing/family.lxp"));
    click("cmdExport");
    ASSERT_EQ(boxTitles(), "File Open Error");
    EXPECT_EQ(text(prompter.boxes[0].text),
        "The filename could not be created.  Please make sure the filename is valid.");
    EXPECT_EQ(prompter.boxes[0].icon, Prompter::Exclamation);
    EXPECT_EQ(finished->count(), 0) << "the dialog stays open";
    EXPECT_TRUE(readFile(settingsFile()).contains("ExportFile=" + folder().toUtf8()))
        << "the choices are stored all the same";
}

TEST_F(ExportDialogTest, SettingsThatCannotBeStoredAreReportedOnceAndTheExportGoesOn)
{
    // The settings file's folder is gone; the export goes elsewhere.
    Installation installation;
    installation.dataFolder = folder() + QStringLiteral("gone/");
    context.setInstallation(installation);
    open();
    const QString path = folder() + QStringLiteral("family.lxp");
    chooseFile(path);
    click("cmdExport");
    EXPECT_EQ(boxTitles(), "Vantorelle Rize|Export");
    EXPECT_EQ(text(prompter.boxes[0].text),
        text("An error occurred while writing to the ini file.\r\n\r\nFilename = "
            + installation.settingsFile() + " (Path not found)"));
    EXPECT_TRUE(readFile(path).startsWith("** Exported for Vantorelle VOXA! -- "));
}

TEST_F(ExportDialogTest, ATopicExportAsTheUserMakesIt)
{
    open();
    QComboBox *topics = control<QComboBox>("cboExport");
    topics->setFocus();
    QTest::keyClicks(topics, "Ap"); // "Appointments List"
    EXPECT_EQ(text(topics->currentText()), "Appointments List");
    clickEntry("lstFields(0)", "Physician");
    clickEntry("lstFields(0)", "Time", Qt::ShiftModifier);
    click("cmdAdd(0)");
    clickEntry("lstFields(1)", "Date");
    click("cmdAdd(1)");
    click("optDL(2)");
    QTest::keyClicks(control<QLineEdit>("txtDelim"), "; ");
    const QString path = folder() + QStringLiteral("appointments.txt");
    chooseFile(path);
    click("cmdExport");

    EXPECT_EQ(boxTitles(), "Export");
    EXPECT_EQ(text(prompter.boxes[0].text), "Export Complete");
    EXPECT_EQ(prompter.boxes[0].icon, Prompter::Information);
    EXPECT_EQ(readFile(path),
        "Physician; Time; \r\n"
        "\"Dr. \"\"Bo\"\" Smith, MD\"; 1:05 PM; \r\n"
        "<not found>; 12:30 AM; \r\n"
        "; ; \r\n");
    EXPECT_EQ(shown("lblNum"), "3");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(readFile(settingsFile()),
        "[Main]\r\nExportFile=" + path.toUtf8()
            + "\r\nExportFields=Physician~~Time~~\r\nExportData=5\r\nExportDelim=2\r\n"
              "ExportDelimCustom=\"; \"\r\nExportFormat=1\r\n");

    open(); // the next opening shows the same choices
    EXPECT_EQ(text(control<QComboBox>("cboExport")->currentText()), "Appointments List");
    EXPECT_EQ(entries("lstFields(1)"), "Physician|Time");
    EXPECT_TRUE(checked("optDL(2)"));
    EXPECT_EQ(text(control<QLineEdit>("txtDelim")->text()), "; ");
    EXPECT_TRUE(checked("optData(1)"));
    EXPECT_EQ(shown("lblFilename"), text(path));
}

TEST_F(ExportDialogTest, TheWholeDatabaseReplacesAnOldFile)
{
    const QLocale locale;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    FixedClock clock({2024, 3, 8, 10, 0, 0});
    Clock::install(&clock);
    const QString path = folder() + QStringLiteral("family.lxp");
    writeFile(path, "the old export\r\n");
    open();
    chooseFile(folder() + QStringLiteral("family.csv"));
    click("cmdExport"); // and Yes to overwriting
    Clock::install(nullptr);
    QLocale::setDefault(locale);

    EXPECT_EQ(boxTitles(), "File Exists|Export");
    const QByteArray written = readFile(path);
    EXPECT_TRUE(written.startsWith("** Exported for Vantorelle VOXA! -- " + path.toUtf8()
        + " on Mar 8, 2024 **\r\nprofiles,20240101120000p,\"Ann\",\"Lee\","))
        << written.left(200).toStdString();
    EXPECT_EQ(written.count("\r\n"), 22) << "the header and 21 visible records";
    EXPECT_EQ(shown("lblNum"), "21");
    EXPECT_EQ(readFile(settingsFile()),
        "[Main]\r\nExportFile=" + path.toUtf8()
            + "\r\nExportData=0\r\nExportDelim=0\r\nExportDelimCustom=\r\nExportFormat=0\r\n");
}

TEST_F(ExportDialogTest, AFailedExportLeavesTheOldFileAndSaysSo)
{
    for (int i = 0; i < 200; ++i)
        addRecord(context.store(), TableId::BP, annKey + std::to_string(100 + i), {{"SBP", "120"}});
    const QString path = folder() + QStringLiteral("family.lxp");
    writeFile(path, "the old export\r\n");
    open();
    chooseFile(path);
    {
        const FileSizeLimit full(4096); // the settings file fits, the export does not
        click("cmdExport");
    }
    EXPECT_EQ(boxTitles(), "File Exists|Error");
    EXPECT_TRUE(prompter.boxes[1].text.startsWith("An error occurred while exporting data."));
    EXPECT_EQ(readFile(path), "the old export\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList({"family*"}, QDir::Files), QStringList({"family.lxp"}));
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(finished->count(), 1);
}

TEST_F(ExportDialogTest, TheTabKeyGoesThroughTheControlsAsTheyAreShown)
{
    storeSettings("ExportFormat=1\r\n");
    open();
    control("optData(1)")->setFocus();
    QStringList visited;
    for (int i = 0; i < 14; ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(text(visited.join(QLatin1Char(' '))),
        "optData(1) cboExport optDL(0) txtDelim lstFields(0) cmdAdd(0) cmdAdd(1) cmdAdd(2) "
        "cmdAdd(3) lstFields(1) cmdScroll(0) cmdScroll(1) cmdGetDir cmdExport");
}

TEST_F(ExportDialogTest, EnterInAListOrTheDelimiterStartsNoExport)
{
    storeSettings("ExportData=10\r\nExportFormat=1\r\nExportFields=Weight~~\r\n"
                  "ExportFile="
        + folder().toUtf8() + "weight.csv\r\n");
    open();
    for (const char *name : {"lstFields(0)", "lstFields(1)", "txtDelim"}) {
        control(name)->setFocus();
        QTest::keyClick(control(name), Qt::Key_Return);
    }
    EXPECT_TRUE(prompter.boxes.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(folder() + QStringLiteral("weight.csv")));
    EXPECT_EQ(finished->count(), 0);

    control("cmdExport")->setFocus();
    QTest::keyClick(control("cmdExport"), Qt::Key_Return);
    EXPECT_EQ(boxTitles(), "Export");
}

// A screen reader meets the field lists and the delimiter box by their captions.
TEST_F(ExportDialogTest, ItsControlsAreNamedByTheirCaptions)
{
    open();
    for (const auto &[name, caption] : {std::pair {"lstFields(0)", "Available Fields:"},
             std::pair {"lstFields(1)", "Field Order In File to Export:"},
             std::pair {"txtDelim", "Custom"}})
        expectNamed(control(name), QString::fromLatin1(caption));
    expectNamedByCaptions(*dialog);
}

} // namespace
