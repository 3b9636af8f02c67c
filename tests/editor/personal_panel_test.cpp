#include "editor_fixture.h"

#include "editor/personal_panel.h"
#include "editor/topic_panel.h"
#include "store/criterion.h"
#include "store/record_operations.h"
#include "store/topics.h"
#include "support/typed_keys.h"
#include "widgets/date_time_picker.h"
#include "widgets/text_box.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <ostream>
#include <string>

using namespace vantorelle;

namespace {

// tests/data/editor_personal: Ann Lee (synchronised, born 10 March 1970), Bob
// Kerr (new on the PC; his name row says Robert, as the handheld changed it)
// and a second Ann Lee.
const QString annKey = QStringLiteral("20090305070809p");
const QString bobKey = QStringLiteral("20100101080000p");
const QString secondAnnKey = QStringLiteral("20110202090000p");
// The clock key of anything made now.
const std::string now = "20260307090500p";

struct NameRow {
    std::string key, first, last, status;
    bool operator==(const NameRow &) const = default;
};

void PrintTo(const NameRow &row, std::ostream *out)
{
    *out << row.key << " " << row.first << " " << row.last << " " << row.status;
}

class PersonalPanelTest : public EditorFixture {
protected:
    void SetUp() override
    {
        moreData = QStringLiteral("editor_personal");
        EditorFixture::SetUp();
    }

    // Shows the profile of `key` in the selector, as the user's choice does.
    void selectProfile(const QString &key)
    {
        for (int i = 0; i < control<QListWidget>("lstKeys")->count(); ++i) {
            if (control<QListWidget>("lstKeys")->item(i)->text() == key)
                control<QComboBox>("cboProfiles")->setCurrentIndex(i);
        }
        ASSERT_EQ(selectedProfile(), key);
    }

    QString selectedProfile() const
    {
        const QListWidgetItem *key = control<QListWidget>("lstKeys")->item(
            control<QComboBox>("cboProfiles")->currentIndex());
        return key ? key->text() : QString();
    }

    void editProfile(const QString &key)
    {
        selectProfile(key);
        showTopic(Topic::Personal);
        editor->editRecord();
    }

    void enterName(const QString &first, const QString &last)
    {
        enter(Topic::Personal, 1, first);
        enter(Topic::Personal, 2, last);
    }

    // The name rows of a profile not marked deleted.
    std::vector<NameRow> nameRows(const QString &profile)
    {
        MemoryTable &names = table(TableId::MainNm);
        std::vector<NameRow> rows;
        const Criterion ofProfile = Criterion::equal("MainID", profile.toStdString());
        for (names.moveFirst(); names.find(ofProfile); names.moveNext())
            rows.push_back({std::string(names.value("Key")), std::string(names.value("First")),
                std::string(names.value("Last")), std::string(names.value("STATUS"))});
        return rows;
    }

    std::string profileValue(const QString &key, std::string_view field)
    {
        MemoryTable &profiles = table(TableId::MainID);
        profiles.moveFirst();
        if (!profiles.find(Criterion::equal("Key", key.toStdString())))
            return "<missing>";
        return std::string(profiles.value(field));
    }
};

struct NameCase {
    const char *name;
    const char *first, *last;
    bool refused;
};

void PrintTo(const NameCase &c, std::ostream *os)
{
    *os << c.name;
}

class PersonalValidationTest : public PersonalPanelTest,
                               public ::testing::WithParamInterface<NameCase> { };

TEST_P(PersonalValidationTest, NamesAreRequired)
{
    const NameCase &c = GetParam();
    editor->newProfile();
    enterName(QString::fromUtf8(c.first), QString::fromUtf8(c.last));
    editor->saveRecord();

    if (c.refused) {
        ASSERT_EQ(prompter.boxes.size(), 1);
        EXPECT_EQ(prompter.boxes[0].text,
            QStringLiteral("The name fields cannot be blank.\r\n\r\nPlease enter a full name."));
        EXPECT_TRUE(editing());
        EXPECT_EQ(table(TableId::MainID).recordCount(), 3u);
        EXPECT_EQ(table(TableId::MainNm).recordCount(), 3u);
    } else {
        EXPECT_TRUE(prompter.boxes.isEmpty());
        EXPECT_FALSE(editing());
        EXPECT_EQ(table(TableId::MainID).recordCount(), 4u);
    }
}

INSTANTIATE_TEST_SUITE_P(Names, PersonalValidationTest,
    ::testing::Values(NameCase {"NoFirstName", "", "Lee", true},
        NameCase {"NoLastName", "Ann", "", true}, NameCase {"NoName", "", "", true},
        NameCase {"FullName", "Eve", "Moss", false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(PersonalPanelTest, LegalTopicEditsTheSameProfileOnTheSamePanel)
{
    EXPECT_EQ(editor->panel(Topic::Personal), editor->panel(Topic::Legal));
    EXPECT_EQ(control<QLineEdit>("txtKey")->objectName(), QStringLiteral("txtKey"));
    EXPECT_EQ(control<QLineEdit>("txtID")->objectName(), QStringLiteral("txtID"));
    EXPECT_EQ(control<QLineEdit>("txtSTATUS")->objectName(), QStringLiteral("txtSTATUS"));

    selectProfile(annKey);
    showTopic(Topic::Legal);
    editor->editRecord();
    ASSERT_TRUE(editing());
    EXPECT_TRUE(editor->panel(Topic::Legal)->isVisibleTo(main.get()));
    // The contacts of the master list, by last name.
    ASSERT_EQ(control<QComboBox>("cboAttorney")->count(), 2);
    EXPECT_EQ(control<QComboBox>("cboAttorney")->itemText(0), QStringLiteral("Dora Ames"));
    EXPECT_EQ(control<QComboBox>("cboKin")->itemText(1), QStringLiteral("Carl Dunn"));

    enter(Topic::Legal, 24, QStringLiteral("Dora Ames"));
    enter(Topic::Legal, 25, QStringLiteral("someone not listed"));
    editor->saveRecord();
    EXPECT_EQ(profileValue(annKey, "Attorney"), "Dora Ames");
    EXPECT_EQ(profileValue(annKey, "Kin"), "someone not listed");
    EXPECT_EQ(profileValue(annKey, "STATUS"), "0x0004");
    EXPECT_EQ(control<QListWidget>("lstTopics")->currentRow(), int(Topic::Legal));
}

TEST_F(PersonalPanelTest, ShowingAndClearingTheProfile)
{
    ASSERT_EQ(control<QComboBox>("cboGender")->count(), 2);
    EXPECT_EQ(control<QComboBox>("cboGender")->itemText(1), QStringLiteral("F"));
    ASSERT_EQ(control<QComboBox>("cboBlood")->count(), 9);
    EXPECT_EQ(control<QComboBox>("cboBlood")->itemText(8), QString());

    editProfile(annKey);
    EXPECT_EQ(control<QLineEdit>("txtKey")->text(), annKey);
    EXPECT_EQ(control<QLineEdit>("txtID")->text(), QStringLiteral("0x00000011"));
    EXPECT_EQ(control<QLineEdit>("txtSTATUS")->text(), QStringLiteral("0x0000"));
    EXPECT_EQ(control<TextBox>("txtMainID(1)")->text(), QStringLiteral("Ann"));
    EXPECT_EQ(control<TextBox>("txtMainID(4)")->text(), QStringLiteral("555-0100"));
    EXPECT_EQ(control<QComboBox>("cboPhoneType")->currentText(), QStringLiteral("Work Ph"));
    EXPECT_EQ(control<DateTimePicker>("dtDate0")->storedText(), QStringLiteral("19700310"));
    EXPECT_EQ(control<QLineEdit>("txtAge")->text(),
        QStringLiteral("55")); // the birthday is three days off
    EXPECT_EQ(editor->personalPanel().shownFirst, "Ann");
    EXPECT_EQ(editor->personalPanel().shownLast, "Lee");

    control<DateTimePicker>("dtDate0")->setStoredText(QStringLiteral("19700301"));
    EXPECT_EQ(control<QLineEdit>("txtAge")->text(), QStringLiteral("56"));

    editor->clearPanel(Topic::Personal);
    EXPECT_EQ(control<TextBox>("txtMainID(1)")->text(), QString());
    EXPECT_EQ(control<QComboBox>("cboPhoneType")->currentText(), QStringLiteral("Home Ph"));
    EXPECT_EQ(control<QComboBox>("cboSSNType")->currentText(), QStringLiteral("SSN"));
    EXPECT_EQ(control<QComboBox>("cboAttorney")->currentText(), QString());
    EXPECT_TRUE(control<DateTimePicker>("dtDate0")->isNull());
    EXPECT_EQ(control<QLineEdit>("txtAge")->text(), QString());
    EXPECT_EQ(control<QLineEdit>("txtKey")->text(), QString());
    EXPECT_EQ(control<QLineEdit>("txtID")->text(), QStringLiteral("0x00000000"));
    EXPECT_EQ(control<QLineEdit>("txtSTATUS")->text(), QStringLiteral("0x0008"));
}

TEST_F(PersonalPanelTest, NewProfileGetsItsKeyAndNameRowAndIsSelected)
{
    editProfile(annKey); // names shown before the new profile must not count
    editor->cancelEditing();
    editor->newProfile();
    EXPECT_EQ(main->editState().mode(), EditMode::Add);
    EXPECT_EQ(editor->personalPanel().shownFirst, "");
    enterName(QStringLiteral("Ann"), QStringLiteral("Lee"));
    editor->saveRecord();

    const QString key = QString::fromStdString(now);
    EXPECT_EQ(profileValue(key, "STATUS"), "0x0008");
    EXPECT_EQ(profileValue(key, "REC_ID"), "0x00000000");
    EXPECT_EQ(profileValue(key, "Birth"), "");
    EXPECT_EQ(nameRows(key), (std::vector<NameRow> {{"leeann" + now, "Ann", "Lee", "0x0008"}}));
    // Three profiles are now called "Lee, Ann": the new one is chosen by its Key.
    EXPECT_EQ(control<QComboBox>("cboProfiles")->count(), 4);
    EXPECT_EQ(selectedProfile(), key);
    EXPECT_EQ(control<QComboBox>("cboProfiles")->currentText(), QStringLiteral("Lee, Ann"));
    EXPECT_FALSE(editing());
    EXPECT_EQ(main->editState().mode(), EditMode::Normal);
}

// With every profile deleted a new one is started; saving it lists it.
TEST_F(PersonalPanelTest, FirstProfileOfAnEmptyTable)
{
    prompter.setNextAnswers({Prompter::Yes, Prompter::Yes, Prompter::Yes});
    for (int i = 0; i < 3; ++i)
        control<QPushButton>("cmdDelete")->click();
    ASSERT_EQ(control<QComboBox>("cboProfiles")->count(), 0);
    control<QPushButton>("cmdNew")->click();
    ASSERT_EQ(main->editState().mode(), EditMode::Add);
    prompter.boxes.clear();

    enterName(QStringLiteral("Eve"), QStringLiteral("Moss"));
    editor->saveRecord();
    EXPECT_TRUE(prompter.boxes.isEmpty());
    ASSERT_EQ(control<QComboBox>("cboProfiles")->count(), 1);
    EXPECT_EQ(selectedProfile(), QString::fromStdString(now));
    EXPECT_EQ(control<QComboBox>("cboProfiles")->currentText(), QStringLiteral("Moss, Eve"));
    EXPECT_EQ(nameRows(QString::fromStdString(now)).size(), 1u);
    EXPECT_FALSE(editing());
}

TEST_F(PersonalPanelTest, NameIndexAfterNewProfileRenameAndRenameBack)
{
    editor->newProfile();
    enterName(QStringLiteral("Eve"), QStringLiteral("Moss"));
    editor->saveRecord();
    const QString key = QString::fromStdString(now);
    ASSERT_EQ(nameRows(key), (std::vector<NameRow> {{"mosseve" + now, "Eve", "Moss", "0x0008"}}));

    // A row never synchronised is removed when the name changes.
    editProfile(key);
    enterName(QStringLiteral("Eva"), QStringLiteral("Moss"));
    editor->saveRecord();
    EXPECT_EQ(nameRows(key), (std::vector<NameRow> {{"mosseva" + now, "Eva", "Moss", "0x0008"}}));
    EXPECT_EQ(selectedProfile(), key);
    EXPECT_EQ(control<QComboBox>("cboProfiles")->currentText(), QStringLiteral("Moss, Eva"));

    editProfile(key);
    enterName(QStringLiteral("Eve"), QStringLiteral("Moss"));
    editor->saveRecord();
    EXPECT_EQ(nameRows(key), (std::vector<NameRow> {{"mosseve" + now, "Eve", "Moss", "0x0008"}}));
    EXPECT_EQ(control<QComboBox>("cboProfiles")->currentText(), QStringLiteral("Moss, Eve"));

    // Saved unchanged: the name index stays as it is.
    editProfile(key);
    enter(Topic::Personal, 27, QStringLiteral("notes"));
    editor->saveRecord();
    EXPECT_EQ(nameRows(key).size(), 1u);
    EXPECT_EQ(profileValue(key, "STATUS"), "0x0008");

    saveTables();
    EXPECT_EQ(fileLines(TableId::MainNm).filter(QStringLiteral("moss")).size(), 1);
}

TEST_F(PersonalPanelTest, RenamingASynchronisedProfileKeepsATombstoneAndTheKey)
{
    editProfile(annKey);
    enterName(QStringLiteral("Anna"), QStringLiteral("Lee"));
    editor->saveRecord();

    EXPECT_EQ(
        nameRows(annKey), (std::vector<NameRow> {{"leeanna" + now, "Anna", "Lee", "0x0008"}}));
    EXPECT_EQ(profileValue(annKey, "First"), "Anna");
    EXPECT_EQ(profileValue(annKey, "STATUS"), "0x0004");
    // Fields without a control keep what the handheld stored.
    EXPECT_EQ(profileValue(annKey, "Phone2"), "555-0199");
    EXPECT_EQ(profileValue(annKey, "PhoneType2"), "Cell Ph");
    // The selector shows the new name at once, on the same profile.
    EXPECT_EQ(selectedProfile(), annKey);
    EXPECT_EQ(control<QComboBox>("cboProfiles")->currentText(), QStringLiteral("Lee, Anna"));

    saveTables();
    EXPECT_TRUE(fileLines(TableId::MainNm)
                    .contains(QStringLiteral("0x00000012,0x0002,\"leeann20090305070809p\",\"Ann\","
                                             "\"Lee\",\"20090305070809p\",\"\",\"\"")));
}

// The handheld renamed Bob's name row; saving him unchanged retires that row,
// and a row with the profile's own names replaces it.
TEST_F(PersonalPanelTest, RetiredNameRowIsAlwaysReplaced)
{
    editProfile(bobKey);
    enter(Topic::Personal, 20, QStringLiteral("180"));
    editor->saveRecord();

    EXPECT_EQ(
        nameRows(bobKey), (std::vector<NameRow> {{"kerrbob" + now, "Bob", "Kerr", "0x0008"}}));
    EXPECT_EQ(profileValue(bobKey, "STATUS"), "0x0008");
}

// Two profiles share the name Ann Lee: saving the second keeps it selected.
TEST_F(PersonalPanelTest, RefreshFindsTheProfileByItsKey)
{
    editProfile(secondAnnKey);
    EXPECT_EQ(control<DateTimePicker>("dtDate0")->storedText(), QStringLiteral("19991231"));
    enter(Topic::Personal, 16, QStringLiteral("170 cm"));
    editor->saveRecord();

    EXPECT_EQ(selectedProfile(), secondAnnKey);
    EXPECT_EQ(profileValue(secondAnnKey, "Height"), "170 cm");
    EXPECT_EQ(profileValue(annKey, "Height"), "");
    EXPECT_EQ(nameRows(secondAnnKey).size(), 1u);
    EXPECT_EQ(nameRows(secondAnnKey)[0].status, "0x0000");
}

// The second Ann's power of attorney is stored as "Dor", the start of a listed contact.
TEST_F(PersonalPanelTest, TypeAheadCompletesOnlyWhatIsTyped)
{
    editProfile(secondAnnKey);
    EXPECT_EQ(control<QComboBox>("cboAttorney")->currentText(), QStringLiteral("Dor"));

    control<QComboBox>("cboKin")->setFocus();
    QTest::keyClicks(control<QComboBox>("cboKin"), QStringLiteral("car"));
    EXPECT_EQ(control<QComboBox>("cboKin")->currentText(), QStringLiteral("Carl Dunn"));
    EXPECT_EQ(control<QComboBox>("cboKin")->lineEdit()->selectedText(), QStringLiteral("l Dunn"));
    editor->saveRecord();
    EXPECT_EQ(profileValue(secondAnnKey, "Attorney"), "Dor");
    EXPECT_EQ(profileValue(secondAnnKey, "Kin"), "Carl Dunn");
}

} // namespace

namespace {

// The Personal panel worked with the keyboard alone, where the focus is.
class PersonalKeyboardTest : public PersonalPanelTest {
protected:
    void SetUp() override
    {
        PersonalPanelTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    }

    // Chooses a profile in the selector with the arrow keys.
    void chooseProfile(const QString &key)
    {
        QComboBox *profiles = control<QComboBox>("cboProfiles");
        profiles->setFocus();
        pressKey(Qt::Key_Home);
        for (int i = 0; i < profiles->count() && selectedProfile() != key; ++i)
            pressKey(Qt::Key_Down);
        ASSERT_EQ(selectedProfile(), key);
    }
    // What the four lists show, "" for no choice.
    QStringList shownLists() const
    {
        QStringList shown;
        for (const char *name : {"cboGender", "cboMarital", "cboBlood", "cboDonor"})
            shown << control<QComboBox>(name)->currentText();
        return shown;
    }
};

} // namespace

// A list shows what the shown profile holds, a value the handheld made that
// the list lacks included, and nothing where the profile holds nothing: never
// what another profile showed before it.
TEST_F(PersonalKeyboardTest, ListsShowOnlyWhatEachProfileHolds)
{
    const struct {
        QString key;
        QStringList lists; // gender, marital status, blood type, organ donor
    } profiles[] = {
        {annKey, {"F", "Married", "A+", "Yes"}},
        {bobKey, {"", "", "", ""}},
        {secondAnnKey, {"m", "Separated", "", ""}},
        {annKey, {"F", "Married", "A+", "Yes"}},
    };
    for (const auto &p : profiles) {
        SCOPED_TRACE(p.key.toStdString());
        chooseProfile(p.key);
        pressShortcut(Qt::Key_I); // Edit
        ASSERT_TRUE(editing());
        EXPECT_EQ(shownLists(), p.lists);
        pressShortcut(Qt::Key_E); // Cancel
        ASSERT_FALSE(editing());
    }
}

// A new profile, started while another is shown, holds only what is typed.
TEST_F(PersonalKeyboardTest, ANewProfileStartsWithNothingChosen)
{
    chooseProfile(annKey);
    pressShortcut(Qt::Key_I);
    pressShortcut(Qt::Key_E);
    pressShortcut(Qt::Key_N); // New Profile
    ASSERT_EQ(main->editState().mode(), EditMode::Add);
    EXPECT_EQ(shownLists(), QStringList({"", "", "", ""}));
    ASSERT_EQ(QApplication::focusWidget(), control<TextBox>("txtMainID(1)")->editor());
    QTest::keyClicks(QApplication::focusWidget(), "Cy");
    pressKey(Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), "Dee");
    pressShortcut(Qt::Key_S); // Save

    EXPECT_TRUE(prompter.boxes.isEmpty()) << boxTexts().join(u'|').toStdString();
    const QString key = QString::fromStdString(now);
    ASSERT_EQ(profileValue(key, "First"), "Cy");
    for (const char *field : {"Gender", "Marital", "Blood", "Donor"})
        EXPECT_EQ(profileValue(key, field), "") << field;
}

// A value the list lacks is saved back as it was unless another is chosen;
// what the list shows is what is saved.
TEST_F(PersonalKeyboardTest, AValueTheListLacksIsKeptUntilAnotherIsChosen)
{
    chooseProfile(secondAnnKey);
    pressShortcut(Qt::Key_I);
    control<QComboBox>("cboGender")->setFocus();
    pressKey(Qt::Key_Up); // from "m" to "F"
    control<QComboBox>("cboMarital")->setFocus();
    pressKey(Qt::Key_Up); // away from "Separated" and back
    pressKey(Qt::Key_Down);
    EXPECT_EQ(shownLists(), QStringList({"F", "Separated", "", ""}));
    pressShortcut(Qt::Key_S);

    EXPECT_TRUE(prompter.boxes.isEmpty()) << boxTexts().join(u'|').toStdString();
    EXPECT_EQ(profileValue(secondAnnKey, "Gender"), "F");
    EXPECT_EQ(profileValue(secondAnnKey, "Marital"), "Separated");
    EXPECT_EQ(profileValue(secondAnnKey, "Blood"), "");
    EXPECT_EQ(profileValue(secondAnnKey, "STATUS"), "0x0004");
}
