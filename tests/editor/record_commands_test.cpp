#include "editor_fixture.h"

#include "editor/topic_panel.h"
#include "store/criterion.h"
#include "store/record_operations.h"
#include "store/store.h"
#include "store/topics.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <string>

#include <ostream>
#include <string>

using namespace vantorelle;

namespace {

const QString bpStored = QStringLiteral("20090305070809p79759684916920240315083100p");
const QString bpNewOnPc = QStringLiteral("20090305070809p79759689999920240310120000p");

using RecordCommandsTest = EditorFixture;

// Every row of the table, tombstones included, as "Key STATUS".
QStringList rowsOf(const QStringList &lines)
{
    QStringList rows;
    for (const QString &line : lines) {
        const QStringList fields = line.split(QLatin1Char(','));
        rows << fields[2].mid(1, fields[2].size() - 2) + QLatin1Char(' ') + fields[1];
    }
    return rows;
}

// Adds a profile row (and its name row) as a file would hold it.
void addProfile(Store &store, const std::string &key, const std::string &first,
    const std::string &last, const std::string &status = "0x0000")
{
    MemoryTable &profiles = store.table(TableId::MainID);
    profiles.addNew();
    profiles.setValueAsRead(0, "0x00000020");
    profiles.setValueAsRead(1, status);
    profiles.setValueAsRead(2, key);
    profiles.setValue("First", first);
    profiles.setValue("Last", last);
    profiles.update();
    MemoryTable &names = store.table(TableId::MainNm);
    names.addNew();
    names.setValueAsRead(0, "0x00000021");
    names.setValueAsRead(1, status);
    names.setValueAsRead(2, last + first + key);
    names.setValue("First", first);
    names.setValue("Last", last);
    names.setValue("MainID", key);
    names.update();
}

// ---- Delete one record

struct DeleteCase {
    const char *name;
    QString key;
    QString fileRow; // the row the file holds after the delete; "" none
};

void PrintTo(const DeleteCase &c, std::ostream *os)
{
    *os << c.name;
}

class DeleteRecord : public EditorFixture, public ::testing::WithParamInterface<DeleteCase> { };

// The grid's row is deleted even when the table's current row moved meanwhile.
TEST_P(DeleteRecord, FollowsTheDeleteRule)
{
    const DeleteCase &c = GetParam();
    showTopic(Topic::BloodPressure);
    ASSERT_TRUE(selectRecord(c.key));
    MemoryTable &bp = table(TableId::BP);
    bp.moveFirst();
    bp.find(Criterion::equal("Key", (c.key == bpStored ? bpNewOnPc : bpStored).toStdString()));

    control<QPushButton>("cmdDel")->click();
    EXPECT_EQ(bp.recordCount(), 1u);
    ASSERT_EQ(control<QTableWidget>("gridViewer")->rowCount(), 1);
    EXPECT_NE(currentGridKey(), c.key);
    EXPECT_TRUE(control<RichTextView>("rtViewer")
                    ->toPlainText()
                    .contains(c.key == bpStored ? QStringLiteral("135") : QStringLiteral("120")));

    saveTables();
    const QStringList rows = rowsOf(fileLines(TableId::BP));
    EXPECT_EQ(rows.size(), c.fileRow.isEmpty() ? 1 : 2);
    if (!c.fileRow.isEmpty()) {
        EXPECT_TRUE(rows.contains(c.fileRow));
    }
    EXPECT_TRUE(prompter.boxes.isEmpty()); // no question, no error
}

INSTANTIATE_TEST_SUITE_P(Records, DeleteRecord,
    ::testing::Values(DeleteCase {"synchronised", bpStored, bpStored + QStringLiteral(" 0x0002")},
        DeleteCase {"newOnThePc", bpNewOnPc, QString()}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(RecordCommandsTest, DeletingTheOnlyRecordLeavesAnEmptyGrid)
{
    showTopic(Topic::Cholesterol);
    ASSERT_EQ(control<QTableWidget>("gridViewer")->rowCount(), 1);
    control<QPushButton>("cmdDel")->click();
    EXPECT_EQ(control<QTableWidget>("gridViewer")->rowCount(), 0);
    EXPECT_FALSE(control<QPushButton>("cmdEdit")->isVisibleTo(main.get()));
    EXPECT_EQ(control<RichTextView>("rtViewer")->toPlainText(), QString());
    EXPECT_EQ(table(TableId::Chol).recordCount(), 0u);

    control<QPushButton>("cmdDel")->click(); // nothing listed: nothing happens
    EXPECT_TRUE(prompter.boxes.isEmpty());
}

// Two rows under one Key: the one the grid's row shows goes.
TEST_F(RecordCommandsTest, DeleteTakesTheGridsRowAmongRowsSharingAKey)
{
    MemoryTable &bp = table(TableId::BP);
    bp.addNew();
    bp.setValueAsRead(0, "0x00000009");
    bp.setValueAsRead(1, "0x0000");
    bp.setValueAsRead(2, bpStored.toStdString());
    bp.setValue("SBP", "150");
    bp.update();
    showTopic(Topic::BloodPressure);
    ASSERT_EQ(control<QTableWidget>("gridViewer")->rowCount(), 3);
    int second = -1;
    for (int row = 0; row < 3; ++row) {
        if (control<QTableWidget>("gridViewer")
                ->item(row, 0)
                ->text()
                .startsWith(QStringLiteral("150")))
            second = row;
    }
    ASSERT_GE(second, 0);
    control<QTableWidget>("gridViewer")->setCurrentCell(second, 0);

    control<QPushButton>("cmdDel")->click();
    bp.moveFirst();
    ASSERT_TRUE(bp.find(Criterion::equal("Key", bpStored.toStdString())));
    EXPECT_EQ(bp.value("SBP"), "120");
    bp.moveNext();
    EXPECT_FALSE(bp.find(Criterion::equal("Key", bpStored.toStdString())));
}

// An insurance entry of a profile is its link: the company stays in the master list.
TEST_F(RecordCommandsTest, DeletingAnInsuranceEntryDeletesOnlyTheLink)
{
    EditedRecord company;
    company.values = {{"Company", "Acme Health"}, {"Type", "Dental"}};
    RecordOperations(main->store()).saveInsurance(profileKey, false, company, "");
    showTopic(Topic::Insurance);
    ASSERT_EQ(control<QTableWidget>("gridViewer")->rowCount(), 1);
    MemoryTable &links = table(TableId::InsXref);
    ASSERT_EQ(links.recordCount(), 1u);

    control<QPushButton>("cmdDel")->click();
    EXPECT_EQ(links.recordCount(), 0u);
    EXPECT_EQ(table(TableId::InsID).recordCount(), 1u);
    EXPECT_EQ(control<QTableWidget>("gridViewer")->rowCount(), 0);
}

// ---- Delete the profile

TEST_F(RecordCommandsTest, AnsweringNoToConfirmDeleteChangesNothing)
{
    prompter.setNextAnswers({Prompter::No});
    control<QPushButton>("cmdDelete")->click();

    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].title, QStringLiteral("Confirm Delete"));
    EXPECT_EQ(prompter.boxes[0].text,
        QStringLiteral("Do you really want to delete this personal profile and associated data?"));
    EXPECT_EQ(prompter.boxes[0].buttons, Prompter::YesNo);
    EXPECT_EQ(prompter.boxes[0].icon, Prompter::Question);
    EXPECT_EQ(control<QComboBox>("cboProfiles")->count(), 1);
    EXPECT_EQ(table(TableId::MainID).recordCount(), 1u);
    EXPECT_EQ(table(TableId::BP).recordCount(), 2u);
}

TEST_F(RecordCommandsTest, DeletingTheOnlyProfileDeletesItsRecordsAndStartsAnew)
{
    prompter.setNextAnswers({Prompter::Yes});
    control<QPushButton>("cmdDelete")->click();

    for (TableId id : {TableId::MainID, TableId::MainNm, TableId::BP, TableId::Weight,
             TableId::Glucose, TableId::Chol})
        EXPECT_EQ(table(id).recordCount(), 0u) << tableFileName(id);
    EXPECT_EQ(control<QComboBox>("cboProfiles")->count(), 0);
    EXPECT_EQ(control<QListWidget>("lstKeys")->count(), 0);
    EXPECT_EQ(control<QLabel>("StatusPanel1")->text(), QStringLiteral("Records Listed: 0"));
    // The new profile the selector started is left by the closing Cancel.
    EXPECT_FALSE(editing());
    EXPECT_TRUE(main->editState().tracking());
    EXPECT_TRUE(main->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    saveTables();
    EXPECT_EQ(rowsOf(fileLines(TableId::BP)), QStringList {bpStored + QStringLiteral(" 0x0002")});
    EXPECT_EQ(rowsOf(fileLines(TableId::MainID)),
        QStringList {QString::fromLatin1(profileKey) + QStringLiteral(" 0x0002")});
}

// The profile the selector shows goes, whatever row of the profile table is
// current; the next one in the selector is shown.
TEST_F(RecordCommandsTest, DeleteProfileTakesTheSelectorsProfile)
{
    addProfile(main->store(), "20100101010101p", "Bea", "Moss");
    addProfile(main->store(), "20110101010101p", "Cal", "Zorn");
    main->showRecords(); // Lee, Moss, Zorn
    ASSERT_EQ(control<QComboBox>("cboProfiles")->count(), 3);
    control<QComboBox>("cboProfiles")->setCurrentIndex(1);
    MemoryTable &profiles = table(TableId::MainID);
    profiles.moveFirst();
    ASSERT_TRUE(profiles.find(Criterion::equal("Key", profileKey)));

    prompter.setNextAnswers({Prompter::Yes});
    control<QPushButton>("cmdDelete")->click();

    EXPECT_EQ(control<QComboBox>("cboProfiles")->count(), 2);
    EXPECT_EQ(control<QComboBox>("cboProfiles")->currentText(), QStringLiteral("Zorn, Cal"));
    EXPECT_EQ(control<QListWidget>("lstKeys")->item(1)->text(), QStringLiteral("20110101010101p"));
    EXPECT_EQ(control<QLabel>("StatusPanel1")->text(), QStringLiteral("Records Listed: 2"));
    profiles.moveFirst();
    EXPECT_FALSE(profiles.find(Criterion::equal("Key", "20100101010101p")));
    EXPECT_EQ(table(TableId::BP).recordCount(), 2u); // Ann Lee's readings stay
    EXPECT_FALSE(editing());
    EXPECT_EQ(main->currentTopic(), Topic::Personal);
}

TEST_F(RecordCommandsTest, DeletingTheLastProfileInTheSelectorShowsThePreviousOne)
{
    addProfile(main->store(), "20110101010101p", "Cal", "Zorn");
    main->showRecords();
    control<QComboBox>("cboProfiles")->setCurrentIndex(1);
    prompter.setNextAnswers({Prompter::Yes});
    control<QPushButton>("cmdDelete")->click();
    EXPECT_EQ(control<QComboBox>("cboProfiles")->currentText(), QStringLiteral("Lee, Ann"));
    EXPECT_EQ(control<QLabel>("StatusPanel1")->text(), QStringLiteral("Records Listed: 1"));
}

// ---- New profile

struct LimitCase {
    const char *name;
    int profiles; // not marked deleted
    int tombstones;
    bool starts;
};

void PrintTo(const LimitCase &c, std::ostream *os)
{
    *os << c.name;
}

class ProfileLimit : public EditorFixture, public ::testing::WithParamInterface<LimitCase> { };

TEST_P(ProfileLimit, NewProfileStartsOnlyBelowTheSynchronisationLimit)
{
    const LimitCase &c = GetParam();
    for (int i = 1; i < c.profiles + c.tombstones; ++i) // the fixture holds one
        addProfile(main->store(), "2000" + std::to_string(100000000 + i) + "p", "A", "B",
            i < c.profiles ? "0x0000" : "0x0002");
    ASSERT_EQ(table(TableId::MainID).recordCount(), std::size_t(c.profiles));

    editor->newProfile();

    EXPECT_TRUE(main->editState().tracking());
    EXPECT_EQ(editing(), c.starts);
    if (c.starts) {
        EXPECT_TRUE(prompter.boxes.isEmpty());
        EXPECT_EQ(main->editState().mode(), EditMode::Add);
        EXPECT_EQ(main->currentTopic(), Topic::Personal);
        TopicPanel *personal = editor->panel(Topic::Personal);
        EXPECT_TRUE(personal->isVisibleTo(main.get()));
        EXPECT_EQ(personal->keyBox->text(), QString());
        EXPECT_EQ(personal->idBox->text(), QStringLiteral("0x00000000"));
        EXPECT_EQ(personal->statusBox->text(), QStringLiteral("0x0008"));
        EXPECT_FALSE(control<QFrame>("frmViewer")->isVisibleTo(main.get()));
    } else {
        ASSERT_EQ(prompter.boxes.size(), 1);
        EXPECT_EQ(prompter.boxes[0].title, QStringLiteral("Database Limit"));
        EXPECT_EQ(prompter.boxes[0].text,
            QStringLiteral(
                "You may not have more than  15999 records.  This is a synchronization limit."));
        EXPECT_EQ(prompter.boxes[0].buttons, Prompter::OkOnly);
        EXPECT_EQ(main->editState().mode(), EditMode::Normal);
    }
}

INSTANTIATE_TEST_SUITE_P(Profiles, ProfileLimit,
    ::testing::Values(LimitCase {"atTheLimit", 15999, 0, true},
        LimitCase {"overTheLimit", 16000, 0, false},
        LimitCase {"deletedOnesDoNotCount", 15999, 1, true}),
    [](const auto &info) { return std::string(info.param.name); });

// ---- Edit List and View Provider

TEST_F(RecordCommandsTest, EditListOpensTheMasterListAndKeepsWhatWasTyped)
{
    QList<int> opened;
    SecondaryWindows windows;
    windows.editMaster = [&](int index) { opened << index; };
    main->setSecondaryWindows(windows);
    showTopic(Topic::Legal);
    editor->editRecord();
    TopicPanel *legal = editor->panel(Topic::Legal);
    auto *kin = legal->findChild<QComboBox *>(QStringLiteral("cboKin"));
    kin->setEditText(QStringLiteral("Dora Lee"));

    legal->findChild<QPushButton *>(QStringLiteral("cmdEditContacts"))->click();
    EXPECT_EQ(opened, QList<int> {0});
    EXPECT_EQ(kin->currentText(), QStringLiteral("Dora Lee"));
}

// Every master list is filled again; what the panel showed in its master-list
// combos stays, a typed location as typed, a chosen provider as chosen.
TEST_F(RecordCommandsTest, EditListKeepsThePanelsTypedAndChosenMasters)
{
    EditedRecord provider;
    provider.values = {{"Name", "Dr Vance"}};
    RecordOperations(main->store()).saveMasterItem(TableId::ProvID, provider);
    main->fillMasterLists();
    SecondaryWindows windows;
    windows.editMaster = [&](int) {
        RecordOperations(main->store()).saveMasterItem(TableId::Location, EditedRecord(), "Annex");
    };
    main->setSecondaryWindows(windows);
    showTopic(Topic::Appointments);
    editor->addRecord();
    TopicPanel *appt = editor->panel(Topic::Appointments);
    auto *doctor = appt->findChild<QComboBox *>(QStringLiteral("cboApptProvider"));
    auto *place = appt->findChild<QComboBox *>(QStringLiteral("cboApptLocation"));
    doctor->setCurrentIndex(doctor->findText(QStringLiteral("Dr Vance")));
    place->setEditText(QStringLiteral("Clinic"));

    appt->findChild<QPushButton *>(QStringLiteral("cmdEditLocation"))->click();
    EXPECT_GE(place->findText(QStringLiteral("Annex")), 0);
    EXPECT_EQ(place->currentText(), QStringLiteral("Clinic"));
    EXPECT_EQ(doctor->currentText(), QStringLiteral("Dr Vance"));
}

TEST_F(RecordCommandsTest, ViewProviderOpensTheViewerOwnedByTheMainWindow)
{
    QWidget *owner = nullptr;
    SecondaryWindows windows;
    windows.viewProvider = [&](QWidget *w, const std::string &, bool) { owner = w; };
    main->setSecondaryWindows(windows);
    control<QPushButton>("cmdViewProvider")->click();
    EXPECT_EQ(owner, main.get());
}

} // namespace
