#include "editor_fixture.h"

#include "editor/topic_panel.h"
#include "store/criterion.h"
#include "store/topics.h"
#include "support/typed_keys.h"
#include "widgets/date_time_picker.h"
#include "widgets/text_box.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <ostream>
#include <string>

using namespace vantorelle;

namespace {

const QString bpStored = QStringLiteral("20090305070809p79759684916920240315083100p");
const QString bpNewOnPc = QStringLiteral("20090305070809p79759689999920240310120000p");
const QString weightLong = QStringLiteral("20090305070809p79759697938420240302100000p");
const QString weightWithoutTime = QStringLiteral("20090305070809p79759694999920240305100000p");
const QString glucoseInMmol = QStringLiteral("20090305070809p79759696925420240303074600p");
const QString glucoseUnlisted = QStringLiteral("20090305070809p79759695879920240304120100p");

using RecordEditorTest = EditorFixture;

// The controls the two modes lock and unlock.
struct ModeView {
    bool saveShown, cancelShown, topicsEnabled, profilesEnabled, newEnabled, deleteEnabled,
        editMenuEnabled;
    QString status;
    bool operator==(const ModeView &) const = default;
};

ModeView modeOf(const MainWindow &main)
{
    const auto enabled
        = [&](const char *name) { return findControl<QWidget>(main, name)->isEnabled(); };
    return {findControl<QPushButton>(main, "cmdNewSave")->isVisibleTo(&main),
        findControl<QPushButton>(main, "cmdNewCancel")->isVisibleTo(&main), enabled("lstTopics"),
        enabled("cboProfiles"), enabled("cmdNew"), enabled("cmdDelete"),
        findControl<QAction>(main, "mnuAddNew")->isEnabled(),
        findControl<QLabel>(main, "StatusPanel2")->text()};
}

const ModeView normalMode {false, false, true, true, true, true, true, ""};
const ModeView editMode {true, true, false, false, false, false, false, "EDIT MODE"};

TEST_F(RecordEditorTest, AddAndCancelSwitchTheModesAndStoreNothing)
{
    showTopic(Topic::BloodPressure);
    ASSERT_TRUE(modeOf(*main) == normalMode);
    editor->addRecord();
    EXPECT_TRUE(modeOf(*main) == editMode);
    EXPECT_TRUE(editor->panel(Topic::BloodPressure)->isVisibleTo(main.get()));
    EXPECT_FALSE(control<QFrame>("frmViewer")->isVisibleTo(main.get()));

    enter(Topic::BloodPressure, 1, QStringLiteral("130"));
    editor->cancelEditing();
    EXPECT_TRUE(modeOf(*main) == normalMode);
    EXPECT_TRUE(control<QFrame>("frmViewer")->isVisibleTo(main.get()));
    EXPECT_EQ(table(TableId::BP).recordCount(), 2u);
}

TEST_F(RecordEditorTest, TheMainWindowsControlsFollowTheEditMode)
{
    main->editState().setMode(EditMode::Edit);
    EXPECT_TRUE(modeOf(*main) == editMode);
    main->editState().setMode(EditMode::Add);
    EXPECT_TRUE(modeOf(*main) == editMode);
    main->editState().setMode(EditMode::Normal);
    EXPECT_TRUE(modeOf(*main) == normalMode);
    EXPECT_FALSE(editor->panel(Topic::BloodPressure)->isVisibleTo(main.get()));
}

TEST_F(RecordEditorTest, EditingWithoutProfilesMarksAProfileBeingAdded)
{
    showTopic(Topic::BloodPressure);
    MemoryTable &profiles = table(TableId::MainID);
    profiles.moveFirst();
    profiles.applyDeleteRule();
    editor->addRecord();
    EXPECT_EQ(main->editState().mode(), EditMode::Add);
}

// A new profile stays one while its panel is typed into: the change switches
// to editing, which it already is, and never to editing a stored profile.
TEST_F(RecordEditorTest, ANewProfileStaysBeingAddedWhileTyped)
{
    editor->newProfile();
    ASSERT_EQ(main->editState().mode(), EditMode::Add);
    control<QComboBox>("cboGender")->setCurrentIndex(1);
    QTest::keyClicks(control<TextBox>("txtMainID(1)")->editor(), QStringLiteral("Eve"));
    EXPECT_EQ(main->editState().mode(), EditMode::Add);
    editor->addRecord(); // not for the Personal topic: nothing changes
    EXPECT_EQ(main->editState().mode(), EditMode::Add);
}

TEST_F(RecordEditorTest, ClearingGivesANewRecordDatedNow)
{
    showTopic(Topic::BloodPressure);
    ASSERT_TRUE(selectRecord(bpStored));
    editor->editRecord();
    editor->clearPanel(Topic::BloodPressure);

    EXPECT_EQ(control<QLineEdit>("txtBPIDNum")->text(), QStringLiteral("0x00000000"));
    EXPECT_EQ(control<QLineEdit>("txtBPSTATUS")->text(), QStringLiteral("0x0008"));
    EXPECT_EQ(control<QLineEdit>("txtBPKey")->text(), QString());
    EXPECT_EQ(control<TextBox>("txtBP(1)")->text(), QString());
    EXPECT_EQ(control<TextBox>("txtBP(7)")->text(), QString());
    EXPECT_EQ(control<QComboBox>("cboBPActivity")->currentText(), QString());
    EXPECT_EQ(control<DateTimePicker>("dtBPDate")->storedText(), QStringLiteral("20260307"));
    EXPECT_EQ(control<DateTimePicker>("dtBPTime")->storedText(), QStringLiteral("09:05"));
}

TEST_F(RecordEditorTest, ShowingFillsThePanelFromTheGridsRecord)
{
    showTopic(Topic::BloodPressure);
    ASSERT_TRUE(selectRecord(bpStored));
    editor->editRecord();

    EXPECT_TRUE(modeOf(*main) == editMode);
    EXPECT_EQ(control<QLineEdit>("txtBPKey")->text(), bpStored);
    EXPECT_EQ(control<QLineEdit>("txtBPIDNum")->text(), QStringLiteral("0x00000005"));
    EXPECT_EQ(control<QLineEdit>("txtBPSTATUS")->text(), QStringLiteral("0x0000"));
    EXPECT_EQ(control<TextBox>("txtBP(1)")->text(), QStringLiteral("120"));
    EXPECT_EQ(control<TextBox>("txtBP(3)")->text(), QStringLiteral("70"));
    EXPECT_EQ(control<TextBox>("txtBP(7)")->text(), QStringLiteral("after a walk"));
    EXPECT_EQ(control<QComboBox>("cboBPActivity")->currentText(), QStringLiteral("Rest"));
    EXPECT_EQ(control<DateTimePicker>("dtBPDate")->storedText(), QStringLiteral("20240315"));
    EXPECT_EQ(control<DateTimePicker>("dtBPTime")->storedText(), QStringLiteral("08:30"));
}

// A stored midnight is "no time" on the blood-pressure, weight and glucose
// panels, a time on the cholesterol panel; an empty time gives the weight
// picker its check box.
TEST_F(RecordEditorTest, StoredTimesShowAsEachPanelReadsThem)
{
    showTopic(Topic::BloodPressure);
    ASSERT_TRUE(selectRecord(bpNewOnPc));
    editor->editRecord();
    EXPECT_TRUE(control<DateTimePicker>("dtBPTime")->isNull());
    editor->cancelEditing();

    showTopic(Topic::Cholesterol);
    editor->editRecord();
    EXPECT_EQ(control<DateTimePicker>("dtCholTime")->storedText(), QStringLiteral("00:00"));
    editor->cancelEditing();

    showTopic(Topic::Weight);
    EXPECT_FALSE(control<DateTimePicker>("dtWtTime")->isCheckBoxVisible());
    ASSERT_TRUE(selectRecord(weightWithoutTime));
    editor->editRecord();
    EXPECT_TRUE(control<DateTimePicker>("dtWtTime")->isNull());
    EXPECT_TRUE(control<DateTimePicker>("dtWtTime")->isCheckBoxVisible());
}

// What a control cannot show, or shows but the user left alone, is stored as it was.
TEST_F(RecordEditorTest, UntouchedControlsKeepTheStoredValues)
{
    showTopic(Topic::Glucose);
    ASSERT_TRUE(selectRecord(glucoseInMmol));
    editor->editRecord();
    editor->cancelEditing();
    ASSERT_TRUE(selectRecord(glucoseUnlisted)); // its units "mg/dl" are not in the list
    editor->editRecord();
    // Shown as stored, not as the reading shown before had them.
    EXPECT_EQ(control<QComboBox>("cboGlucoseUnits")->currentText(), QStringLiteral("mg/dl"));
    enter(Topic::Glucose, 8, QStringLiteral("3"));
    editor->saveRecord();

    MemoryTable &readings = table(TableId::Glucose);
    readings.moveFirst();
    ASSERT_TRUE(readings.find(Criterion::equal("Key", glucoseUnlisted.toStdString())));
    EXPECT_EQ(readings.value("Units"), "mg/dl");
    EXPECT_EQ(readings.value("Insulin"), "3");
    EXPECT_EQ(readings.value("STATUS"), "0x0004");

    // A reading new on the PC stays new; its midnight, shown as no time, is kept.
    showTopic(Topic::BloodPressure);
    ASSERT_TRUE(selectRecord(bpNewOnPc));
    editor->editRecord();
    enter(Topic::BloodPressure, 7, QStringLiteral("two lines\nof notes"));
    editor->saveRecord();
    EXPECT_TRUE(prompter.boxes.isEmpty());
    MemoryTable &bp = table(TableId::BP);
    bp.moveFirst();
    ASSERT_TRUE(bp.find(Criterion::equal("Key", bpNewOnPc.toStdString())));
    EXPECT_EQ(bp.value("Time"), "00:00");
    EXPECT_EQ(bp.value("Activity"), "Hiking");
    EXPECT_EQ(bp.value("Notes"), "two lines\r\nof notes");
    EXPECT_EQ(bp.value("STATUS"), "0x0008");
}

TEST_F(RecordEditorTest, ReKeyingAReadingNewOnThePcRemovesTheOldRow)
{
    showTopic(Topic::BloodPressure);
    ASSERT_TRUE(selectRecord(bpNewOnPc));
    editor->editRecord();
    enter(Topic::BloodPressure, 2, QStringLiteral("90"));
    editor->saveRecord();

    saveTables();
    const QStringList lines = fileLines(TableId::BP);
    EXPECT_EQ(lines.size(), 2);
    EXPECT_FALSE(lines.join(QString()).contains(bpNewOnPc));
}

// A value its field cannot take stops the save before any row changes: the
// reading to be replaced is not retired.
TEST_F(RecordEditorTest, RefusedValueLeavesTheTablesAsTheyWere)
{
    showTopic(Topic::BloodPressure);
    ASSERT_TRUE(selectRecord(bpStored));
    editor->editRecord();
    enter(Topic::BloodPressure, 1, QStringLiteral("123456")); // the field holds 5
    editor->saveRecord();

    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].title, QStringLiteral("Error"));
    EXPECT_TRUE(prompter.boxes[0].text.startsWith(
        QStringLiteral("An error occurred while saving a record.")));
    EXPECT_TRUE(editing());
    saveTables();
    EXPECT_EQ(fileLines(TableId::BP), fixtureLines(TableId::BP));
}

// The save stores the row the panel showed, wherever other code has moved the
// table's current row meanwhile.
TEST_F(RecordEditorTest, SaveStoresTheRowThePanelShowed)
{
    showTopic(Topic::BloodPressure);
    ASSERT_TRUE(selectRecord(bpStored));
    editor->editRecord();
    MemoryTable &bp = table(TableId::BP);
    bp.moveFirst();
    ASSERT_TRUE(bp.find(Criterion::equal("Key", bpNewOnPc.toStdString())));
    enter(Topic::BloodPressure, 3, QStringLiteral("66"));
    editor->saveRecord();

    bp.moveFirst();
    ASSERT_TRUE(bp.find(Criterion::equal("Key", bpStored.toStdString())));
    EXPECT_EQ(bp.value("Pulse"), "66");
    bp.moveFirst();
    ASSERT_TRUE(bp.find(Criterion::equal("Key", bpNewOnPc.toStdString())));
    EXPECT_EQ(bp.value("Pulse"), "");
}

struct UnitsCase {
    const char *name;
    const char *preference;
    const char *preset;
};

void PrintTo(const UnitsCase &c, std::ostream *os)
{
    *os << c.name;
}

class GlucoseUnitsPreset : public EditorFixture,
                           public ::testing::WithParamInterface<UnitsCase> { };

TEST_P(GlucoseUnitsPreset, FollowsThePreferenceExactly)
{
    DisplayPreferences display = main->preferences().display();
    display.glucoseUnits = GetParam().preference;
    main->preferences().setDisplay(display);
    showTopic(Topic::Glucose);
    editor->addRecord();
    EXPECT_EQ(control<QComboBox>("cboGlucoseUnits")->currentText(),
        QString::fromLatin1(GetParam().preset));
}

INSTANTIATE_TEST_SUITE_P(Preferences, GlucoseUnitsPreset,
    ::testing::Values(UnitsCase {"MgPerDl", "mg/dL", "mg/dL"},
        UnitsCase {"MmolPerL", "mmol/L", "mmol/L"},
        UnitsCase {"OtherLetterCaseIsTheOther", "MG/DL", "mmol/L"}),
    [](const auto &info) { return std::string(info.param.name); });

// Two rows read 99 in the grid (5.5 mmol/L converted); the one saved is selected.
TEST_F(RecordEditorTest, SavedReadingIsSelectedAsTheGridShowsIt)
{
    showTopic(Topic::Glucose);
    editor->addRecord();
    enter(Topic::Glucose, 1, QStringLiteral("5.5"));
    enter(Topic::Glucose, 2, QStringLiteral("mmol/L"));
    editor->saveRecord();

    EXPECT_EQ(control<QTableWidget>("gridViewer")
                  ->item(control<QTableWidget>("gridViewer")->currentRow(), 0)
                  ->text(),
        QStringLiteral("99"));
    EXPECT_EQ(currentGridKey(), QString::fromLatin1(newKey));
}

TEST_F(RecordEditorTest, TextLimitsComeFromTheFieldSizes)
{
    EXPECT_EQ(control<TextBox>("txtBP(1)")->maxLength(), 5);
    EXPECT_EQ(control<TextBox>("txtBP(7)")->maxLength(), 2000);
    EXPECT_EQ(control<TextBox>("txtChol(1)")->maxLength(), 10);
    EXPECT_EQ(control<TextBox>("txtWt(1)")->maxLength(), 25);
    EXPECT_EQ(control<TextBox>("txtGlucose(3)")->maxLength(), 10);
    EXPECT_EQ(control<TextBox>("txtGlucose(8)")->maxLength(), 30);
}

// A value longer than its field is shown whole and stored back unchanged.
TEST_F(RecordEditorTest, LongStoredValueIsShownWholeAndKept)
{
    showTopic(Topic::Weight);
    ASSERT_TRUE(selectRecord(weightLong));
    editor->editRecord();
    ASSERT_EQ(control<TextBox>("txtWt(1)")->text().size(), 40);
    enter(Topic::Weight, 4, QStringLiteral("a note"));
    editor->saveRecord();
    EXPECT_TRUE(prompter.boxes.isEmpty());
    MemoryTable &weights = table(TableId::Weight);
    weights.moveFirst();
    ASSERT_TRUE(weights.find(Criterion::equal("Key", weightLong.toStdString())));
    EXPECT_EQ(weights.value("Weight"), "172.5 lb measured after breakfast on the");
    EXPECT_EQ(weights.value("Notes"), "a note");
}

} // namespace

namespace {

TEST_F(RecordEditorTest, CholesterolWithoutATimeIsRefused)
{
    showTopic(Topic::Cholesterol);
    editor->addRecord();
    enter(Topic::Cholesterol, 1, QStringLiteral("200"));
    control<DateTimePicker>("dtCholTime")->setNull(); // its check box unticked
    editor->saveRecord();

    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].text,
        QStringLiteral("The total and date/time fields cannot be blank.\r\n\r\n"
                       "Please enter a Total and date/time."));
    EXPECT_TRUE(editing());
}

// With no reading listed there is nothing to edit: no error box, and the
// editor stays in normal mode with the list in front.
TEST_F(RecordEditorTest, EditOfNothingListedEditsNothing)
{
    MemoryTable &bp = table(TableId::BP);
    for (bp.moveFirst(); bp.find(Criterion::startsWith("Key", profileKey)); bp.moveNext())
        bp.applyDeleteRule();
    showTopic(Topic::BloodPressure);
    ASSERT_EQ(control<QTableWidget>("gridViewer")->rowCount(), 0);
    editor->editRecord();

    EXPECT_TRUE(prompter.boxes.isEmpty()) << boxTexts().join(u'|').toStdString();
    EXPECT_FALSE(editing());
    EXPECT_TRUE(control<QFrame>("frmViewer")->isVisibleTo(main.get()));
}

// The readings go while the grid still lists them; Edit typed on the grid
// finds no record behind its row and edits nothing.
TEST_F(RecordEditorTest, EditOfARowWhoseRecordIsGoneEditsNothing)
{
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    showTopic(Topic::BloodPressure);
    QTableWidget *grid = control<QTableWidget>("gridViewer");
    ASSERT_GT(grid->rowCount(), 0);
    MemoryTable &bp = table(TableId::BP);
    for (bp.moveFirst(); bp.find(Criterion::startsWith("Key", profileKey)); bp.moveNext())
        bp.applyDeleteRule();
    grid->setFocus();
    pressShortcut(Qt::Key_I); // Edit

    EXPECT_TRUE(prompter.boxes.isEmpty()) << boxTexts().join(u'|').toStdString();
    EXPECT_FALSE(editing());
    EXPECT_TRUE(control<QFrame>("frmViewer")->isVisible());
}

} // namespace
