#include "editor_fixture.h"

#include "editor/text_box.h"
#include "editor/topic_panel.h"
#include "platform/cp1252.h"
#include "platform/date_time_picker.h"
#include "settings/app_info.h"
#include "store/criterion.h"
#include "store/table_catalog.h"
#include "store/topics.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>

#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

// The health-history panels on the fixture of tests/data/editor_history: the
// profile Ann Lee ("20090305070809p") with records of every history topic;
// providers "" (nameless), Dr. Adams, Dr. Brown and a second Dr. Brown (one
// more is deleted); pharmacies Corner Drugs and Main St Pharmacy; locations
// City Clinic, General Hospital and Hillside Lab. The clock stands at
// 7 March 2026, 09:05:00.

namespace {

const QString profile = QStringLiteral("20090305070809p");

// One history topic: what adding, editing in place, re-keying and an empty
// required value do to its table file. In the lines "*" stands for the Key.
struct HistoryCase {
    const char *name;
    Topic topic;
    TableId table;
    std::vector<std::pair<int, QString>> typed; // a new record's values by row
    QString addedKey;
    QString added;
    QString storedKey; // a synchronised record of the fixture
    std::pair<int, QString> keeps; // a change that keeps its Key
    QString kept;
    std::pair<int, QString> rekeys; // a change that gives it a new Key
    QString rekeyedKey;
    QString rekeyed;
    QString message; // the validation message
};

void PrintTo(const HistoryCase &c, std::ostream *os)
{
    *os << c.name;
}

const HistoryCase historyCases[] = {
    {"Allergies", Topic::Allergies, TableId::Allergy, {{1, "Dust"}, {2, "Sneezing"}},
        profile + "dust", R"(0x00000000,0x0008,"*","Dust","Sneezing","","","","","")",
        profile + "peanuts", {3, "20200202"},
        R"(0x00000101,0x0004,"*","Peanuts","Hives","20200202","carry pen","o1","","")",
        {1, "Peanut Oil"}, profile + "peanut oil",
        R"(0x00000000,0x0008,"*","Peanut Oil","Hives","20200101","carry pen","o1","","")",
        "The allergy field cannot be blank.\r\n\r\nPlease enter an allergy."},
    {"Illnesses", Topic::Illnesses, TableId::Illness, {{1, "Flu"}, {3, "20260101"}},
        profile + "79739898flu",
        R"(0x00000000,0x0008,"*","Flu","","20260101","","","","","","","","","")",
        profile + "79809389asthma", {4, "20200101"},
        R"(0x00000201,0x0004,"*","Asthma","wheeze","20190610","20200101","mild","20100101000001p","City Clinic","inhaler","","o1","","")",
        {3, "20190611"}, profile + "79809388asthma",
        R"(0x00000000,0x0008,"*","Asthma","wheeze","20190611","","mild","20100101000001p","City Clinic","inhaler","","o1","","")",
        "The illness/condition field cannot be blank.\r\n\r\nPlease enter an illness or "
        "condition."},
    {"Surgeries", Topic::Surgeries, TableId::Surgery, {{1, "Knee Scope"}},
        profile + "00000000knee scope",
        R"(0x00000000,0x0008,"*","Knee Scope","","","","","","","","","")",
        profile + "79849494appendectomy", {6, "walk daily"},
        R"(0x00000301,0x0004,"*","Appendectomy","20150505","500","20100101000002p","General Hospital","walk daily","","o1","","")",
        {1, "Appendix Removal"}, profile + "79849494appendix removal",
        R"(0x00000000,0x0008,"*","Appendix Removal","20150505","500","20100101000002p","General Hospital","rest","","o1","","")",
        "The surgery/hospitalization field cannot be blank.\r\n\r\nPlease enter a surgery or "
        "hospitalization."},
    {"Appointments", Topic::Appointments, TableId::Appt, {{1, "Dr. Adams"}, {2, "20260310"}},
        profile + "7973968900:0020100101000002p",
        R"(0x00000000,0x0008,"*","20100101000002p","20260310","00:00","","","","","","","","","","")",
        profile + "7975958914:3020100101000001p", {5, "annual checkup"},
        R"(0x00000401,0x0004,"*","20100101000001p","20240410","14:30","City Clinic","annual checkup","","","","","","o1","","")",
        {3, "15:00"}, profile + "7975958915:0020100101000001p",
        R"(0x00000000,0x0008,"*","20100101000001p","20240410","15:00","City Clinic","checkup","","","","","","o1","","")",
        "The physician field cannot be blank.\r\n\r\nPlease enter or select a physician."},
    {"Medications", Topic::Medications, TableId::Med, {{1, "Ibuprofen"}},
        profile + "0000000000ibuprofen0500",
        R"(0x00000000,0x0008,"*","Ibuprofen","","","","","","","","","","","","","")",
        profile + "0079769898lisinopril1234", {9, "RX2"},
        R"(0x00000501,0x0004,"*","Lisinopril","daily","10 mg","20100101000001p","blood pressure","20230101","","20100201000001p","RX2","Yes","","o1","","")",
        {10, "No"}, profile + "0179769898lisinopril0500",
        R"(0x00000000,0x0008,"*","Lisinopril","daily","10 mg","20100101000001p","blood pressure","20230101","","20100201000001p","RX1","No","","o1","","")",
        "The medication field cannot be blank.\r\n\r\nPlease enter a medication."},
    {"Vaccinations", Topic::Vaccinations, TableId::Vacc, {{1, "HepB"}}, profile + "hepb79739692",
        R"(0x00000000,0x0008,"*","HepB","20260307","","","","","","")", profile + "flu79768984",
        {4, "Hillside Lab"},
        R"(0x00000601,0x0004,"*","Flu","20231015","20100101000002p","Hillside Lab","left arm","o1","","")",
        {2, "20231016"}, profile + "flu79768983",
        R"(0x00000000,0x0008,"*","Flu","20231016","20100101000002p","City Clinic","left arm","o1","","")",
        "The vaccination and date fields cannot be blank.\r\n\r\nPlease enter a vaccination and "
        "date."},
    {"Tests", Topic::Tests, TableId::Test, {{1, "A1C"}}, profile + "7973969220260307090500p",
        R"(0x00000000,0x0008,"*","A1C","20260307","","","","","","","","","")",
        profile + "7975979820240201101500p", {6, "high"},
        R"(0x00000701,0x0004,"*","Lipid panel","20240201","25","20100101000001p","Hillside Lab","high","","","o1","","")",
        {1, "Lipid profile"}, profile + "7975979820260307090500p",
        R"(0x00000000,0x0008,"*","Lipid profile","20240201","25","20100101000001p","Hillside Lab","normal","","","o1","","")",
        "The test and date fields cannot be blank.\r\n\r\nPlease enter a test and date."},
    {"FamilyHistory", Topic::FamilyHistory, TableId::Family, {{1, "Mary"}, {2, "O'Brien"}},
        profile + "obrienmary20260307090500p",
        R"(0x00000000,0x0008,"*","Mary","O'Brien","","","","","","","","","")",
        profile + "leejohn20100505120000p", {3, "Cousin"},
        R"(0x00000801,0x0004,"*","John","Lee","Cousin","Paternal","19500101","","diabetes","","o1","","")",
        {1, "Jon"}, profile + "leejon20260307090500p",
        R"(0x00000000,0x0008,"*","Jon","Lee","Father","Paternal","19500101","","diabetes","","o1","","")",
        "The name fields cannot be blank.\r\n\r\nPlease enter a full name."},
};

QString withKey(QString line, const QString &key)
{
    return line.replace(QLatin1String("\"*\""), QLatin1Char('"') + key + QLatin1Char('"'));
}

// Lines in order, as printable text.
std::vector<std::string> sorted(QStringList lines)
{
    lines.sort();
    std::vector<std::string> texts;
    for (const QString &line : lines)
        texts.push_back(line.toStdString());
    return texts;
}

class HistoryFixture : public EditorFixture {
protected:
    HistoryFixture() { moreData = QStringLiteral("editor_history"); }

    // The record lines of this fixture's file of a table.
    static QStringList historyLines(TableId id)
    {
        const QString path = QFileInfo(QStringLiteral(__FILE__))
                                 .absoluteDir()
                                 .filePath(QStringLiteral("../data/editor_history/"))
            + QString::fromStdString(tableFileName(id));
        QStringList lines;
        for (const QByteArray &line : readFile(path).split('\n')) {
            if (!line.isEmpty() && !line.startsWith('#'))
                lines << Cp1252::toUnicode(line.chopped(1));
        }
        return lines;
    }
    static QString storedLine(TableId id, const QString &key)
    {
        for (const QString &line : historyLines(id)) {
            if (line.contains(QLatin1Char('"') + key + QLatin1Char('"')))
                return line;
        }
        return {};
    }

    TopicPanel &panel(Topic topic) const { return *editor->panel(topic); }

    // Shows the stored record with `key` on its panel for editing.
    void edit(Topic topic, const QString &key)
    {
        showTopic(topic);
        ASSERT_TRUE(selectRecord(key));
        editor->editRecord();
        ASSERT_TRUE(editing());
    }
    void add(Topic topic)
    {
        showTopic(topic);
        editor->addRecord();
        ASSERT_TRUE(editing());
    }
    void saveAccepted()
    {
        editor->saveRecord();
        EXPECT_TRUE(prompter.boxes.isEmpty()) << boxTexts().join(u'|').toStdString();
        EXPECT_FALSE(editing());
    }
    // The table's row with `key`, made current; false when there is none.
    bool findRecord(TableId id, const QString &key)
    {
        MemoryTable &rows = table(id);
        rows.moveFirst();
        return rows.find(Criterion::equal("Key", key.toStdString()));
    }
    std::string field(TableId id, const char *name) { return std::string(table(id).value(name)); }
};

class HistoryPanel : public HistoryFixture, public ::testing::WithParamInterface<HistoryCase> { };

TEST_P(HistoryPanel, AddsANewRecordUnderItsKey)
{
    const HistoryCase &c = GetParam();
    add(c.topic);
    for (const auto &[row, value] : c.typed)
        enter(c.topic, row, value);
    saveAccepted();

    ASSERT_TRUE(findRecord(c.table, c.addedKey));
    EXPECT_EQ(currentGridKey(), c.addedKey);
    saveTables();
    EXPECT_EQ(
        sorted(fileLines(c.table)), sorted(historyLines(c.table) << withKey(c.added, c.addedKey)));
}

TEST_P(HistoryPanel, ChangeOutsideTheKeyUpdatesInPlace)
{
    const HistoryCase &c = GetParam();
    edit(c.topic, c.storedKey);
    enter(c.topic, c.keeps.first, c.keeps.second);
    saveAccepted();

    EXPECT_EQ(currentGridKey(), c.storedKey);
    saveTables();
    QStringList expected = historyLines(c.table);
    expected.replace(
        expected.indexOf(storedLine(c.table, c.storedKey)), withKey(c.kept, c.storedKey));
    EXPECT_EQ(sorted(fileLines(c.table)), sorted(expected));
}

TEST_P(HistoryPanel, ChangeOfAKeyValueReplacesTheRecord)
{
    const HistoryCase &c = GetParam();
    edit(c.topic, c.storedKey);
    enter(c.topic, c.rekeys.first, c.rekeys.second);
    saveAccepted();

    EXPECT_EQ(currentGridKey(), c.rekeyedKey);
    saveTables();
    QStringList expected = historyLines(c.table);
    const QString stored = storedLine(c.table, c.storedKey);
    expected.replace(expected.indexOf(stored),
        QString(stored).replace(QLatin1String(",0x0000,"), QLatin1String(",0x0002,")));
    expected << withKey(c.rekeyed, c.rekeyedKey);
    EXPECT_EQ(sorted(fileLines(c.table)), sorted(expected));
}

TEST_P(HistoryPanel, EmptyRequiredValueIsRefusedAndNothingStored)
{
    const HistoryCase &c = GetParam();
    add(c.topic);
    editor->saveRecord();

    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].title, QString::fromUtf8(AppInfo::title));
    EXPECT_EQ(prompter.boxes[0].text, c.message);
    EXPECT_EQ(prompter.boxes[0].buttons, Prompter::OkOnly);
    EXPECT_TRUE(editing());
    saveTables();
    EXPECT_EQ(sorted(fileLines(c.table)), sorted(historyLines(c.table)));
}

INSTANTIATE_TEST_SUITE_P(History, HistoryPanel, ::testing::ValuesIn(historyCases),
    [](const auto &info) { return std::string(info.param.name); });

// After a stored record was shown, Add empties the panel but for the lists
// of providers, pharmacies and Active, which keep their choice, and the
// vaccination and test dates, which show today.
TEST_P(HistoryPanel, AddEmptiesThePanelButTheKeptChoices)
{
    static const std::map<Topic, QStringList> keeps = {
        {Topic::Illnesses, {"cboIllnessProvider"}},
        {Topic::Surgeries, {"cboSurgeryProvider"}},
        {Topic::Appointments, {"cboApptProvider"}},
        {Topic::Medications, {"cboMedProvider", "cboMedPharmacy", "cboMedActive"}},
        {Topic::Vaccinations, {"dtVaccDate", "cboVaccProvider"}},
        {Topic::Tests, {"dtTestDate", "cboTestProvider"}},
    };
    const HistoryCase &c = GetParam();
    edit(c.topic, c.storedKey);
    editor->cancelEditing();
    add(c.topic);

    QStringList showing;
    for (const PanelControl &control : panel(c.topic).descriptor().controls) {
        const int row = control.row;
        const bool shows = panel(c.topic).textBox(row)
            ? !panel(c.topic).textBox(row)->text().isEmpty()
            : panel(c.topic).combo(row) ? !panel(c.topic).combo(row)->currentText().isEmpty()
                                        : !panel(c.topic).picker(row)->isNull();
        if (shows)
            showing << QString::fromUtf8(control.name.data(), qsizetype(control.name.size()));
    }
    const auto kept = keeps.find(c.topic);
    EXPECT_EQ(showing.join(u','), kept == keeps.end() ? QString() : kept->second.join(u','));
    EXPECT_EQ(panel(c.topic).keyBox->text(), QString());
    EXPECT_EQ(panel(c.topic).idBox->text(), QStringLiteral("0x00000000"));
    EXPECT_EQ(panel(c.topic).statusBox->text(), QStringLiteral("0x0008"));
}

// ---- Appointments without a time

// Such an appointment is stored, and keyed, at "00:00" and shows no time; a
// later save with the time still empty keeps its Key and its record.
TEST_F(HistoryFixture, AppointmentWithoutATimeSavedTwiceKeepsItsKey)
{
    const QString key = profile + "7973968900:0020100101000002p";
    add(Topic::Appointments);
    enter(Topic::Appointments, 1, QStringLiteral("Dr. Adams"));
    enter(Topic::Appointments, 2, QStringLiteral("20260310"));
    saveAccepted();
    ASSERT_TRUE(findRecord(TableId::Appt, key));
    EXPECT_EQ(field(TableId::Appt, "Time"), "00:00");

    edit(Topic::Appointments, key);
    EXPECT_TRUE(control<DateTimePicker>("dtApptTime1")->isNull());
    control<DateTimePicker>("dtApptTime1")
        ->setStoredText(QStringLiteral("10:00")); // set, then taken back
    control<DateTimePicker>("dtApptTime1")->setNull();
    enter(Topic::Appointments, 5, QStringLiteral("second visit"));
    saveAccepted();

    EXPECT_EQ(currentGridKey(), key);
    saveTables();
    EXPECT_EQ(sorted(fileLines(TableId::Appt)),
        sorted(
            historyLines(TableId::Appt) << withKey(
                R"(0x00000000,0x0008,"*","20100101000002p","20260310","00:00","","second visit","","","","","","","","")",
                key)));
}

// The same for a synchronised appointment: it is updated in place, not
// replaced by a new record beside a deleted one.
TEST_F(HistoryFixture, SynchronisedAppointmentWithoutATimeIsUpdatedInPlace)
{
    const QString key = profile + "7975969800:0020100101000002p";
    edit(Topic::Appointments, key);
    EXPECT_TRUE(control<DateTimePicker>("dtApptTime1")->isNull());
    control<DateTimePicker>("dtApptTime1")->setStoredText(QStringLiteral("10:00"));
    control<DateTimePicker>("dtApptTime1")->setNull();
    saveAccepted();

    // Reselected by its physician's name, as the grid shows it, though it is not the first row.
    EXPECT_EQ(currentGridKey(), key);
    saveTables();
    QStringList expected = historyLines(TableId::Appt);
    const QString stored = storedLine(TableId::Appt, key);
    expected.replace(expected.indexOf(stored),
        QString(stored).replace(QLatin1String(",0x0000,"), QLatin1String(",0x0004,")));
    EXPECT_EQ(sorted(fileLines(TableId::Appt)), sorted(expected));
}

// ---- Providers and pharmacies by their Key

TEST_F(HistoryFixture, ProviderListsOfferTheUndeletedProvidersByName)
{
    const QStringList names = {QString(), QStringLiteral("Dr. Adams"), QStringLiteral("Dr. Brown"),
        QStringLiteral("Dr. Brown")};
    const QStringList keys = {QStringLiteral("20100101000003p"), QStringLiteral("20100101000002p"),
        QStringLiteral("20100101000001p"), QStringLiteral("20100101000005p")};
    for (QComboBox *list :
        {control<QComboBox>("cboIllnessProvider"), control<QComboBox>("cboSurgeryProvider"),
            control<QComboBox>("cboApptProvider"), control<QComboBox>("cboMedProvider"),
            control<QComboBox>("cboVaccProvider"), control<QComboBox>("cboTestProvider")}) {
        ASSERT_EQ(list->count(), names.size()) << list->objectName().toStdString();
        for (int i = 0; i < list->count(); ++i) {
            EXPECT_EQ(list->itemText(i), names[i]);
            EXPECT_EQ(list->itemData(i).toString(), keys[i]);
        }
        EXPECT_FALSE(list->isEditable());
    }
    ASSERT_EQ(control<QComboBox>("cboMedPharmacy")->count(), 2);
    EXPECT_EQ(control<QComboBox>("cboMedPharmacy")->itemText(0), QStringLiteral("Corner Drugs"));
    EXPECT_EQ(control<QComboBox>("cboMedPharmacy")->itemData(0).toString(),
        QStringLiteral("20100201000002p"));
}

// Of two providers with one name, the one chosen is stored, and shown again.
TEST_F(HistoryFixture, ProviderIsChosenAndShownByItsKey)
{
    add(Topic::Illnesses);
    enter(Topic::Illnesses, 1, QStringLiteral("Shingles"));
    const int second
        = control<QComboBox>("cboIllnessProvider")->findData(QStringLiteral("20100101000005p"));
    ASSERT_EQ(second, 3);
    control<QComboBox>("cboIllnessProvider")->setCurrentIndex(second);
    saveAccepted();

    const QString key = profile + "00000000shingles";
    ASSERT_TRUE(findRecord(TableId::Illness, key));
    EXPECT_EQ(field(TableId::Illness, "ProvID"), "20100101000005p");

    control<QComboBox>("cboIllnessProvider")->setCurrentIndex(0);
    edit(Topic::Illnesses, key);
    EXPECT_EQ(control<QComboBox>("cboIllnessProvider")->currentIndex(), second);
}

// A provider or pharmacy Key the lists lack shows as nothing chosen, and an
// edit that does not touch the list keeps it; so does an Active value the
// Yes/No list lacks.
TEST_F(HistoryFixture, StoredKeysTheListsLackSurviveAnEdit)
{
    const QString gout = profile + "79819698gout";
    edit(Topic::Illnesses, gout);
    EXPECT_EQ(control<QComboBox>("cboIllnessProvider")->currentIndex(), -1);
    enter(Topic::Illnesses, 9, QStringLiteral("less pain"));
    saveAccepted();
    ASSERT_TRUE(findRecord(TableId::Illness, gout));
    EXPECT_EQ(field(TableId::Illness, "ProvID"), "19990101000000p");
    EXPECT_EQ(field(TableId::Illness, "Notes"), "less pain");
    EXPECT_EQ(field(TableId::Illness, "STATUS"), "0x0004");

    // The Lisinopril record leaves Dr. Brown, Main St Pharmacy and "Yes" chosen.
    edit(Topic::Medications, profile + "0079769898lisinopril1234");
    editor->cancelEditing();
    const QString aspirin = profile + "0000000000aspirin0101";
    edit(Topic::Medications, aspirin);
    EXPECT_EQ(control<QComboBox>("cboMedProvider")->currentIndex(), -1);
    EXPECT_EQ(control<QComboBox>("cboMedPharmacy")->currentIndex(), -1);
    enter(Topic::Medications, 2, QStringLiteral("as needed"));
    saveAccepted();
    ASSERT_TRUE(findRecord(TableId::Med, aspirin));
    EXPECT_EQ(field(TableId::Med, "ProvID"), "");
    EXPECT_EQ(field(TableId::Med, "PharmID"), "19990101000000p");
    EXPECT_EQ(field(TableId::Med, "Active"), "");
    EXPECT_EQ(field(TableId::Med, "Take"), "as needed");
}

// A new record starts with the provider of the record shown last.
TEST_F(HistoryFixture, NewRecordKeepsTheProviderShownLast)
{
    edit(Topic::Tests, profile + "7975979820240201101500p");
    editor->cancelEditing();
    add(Topic::Tests);
    EXPECT_EQ(control<QComboBox>("cboTestProvider")->currentText(), QStringLiteral("Dr. Brown"));
    EXPECT_EQ(control<QComboBox>("cboTestLocation")->currentText(), QString());
    EXPECT_EQ(control<DateTimePicker>("dtTestDate")->storedText(), QStringLiteral("20260307"));
    enter(Topic::Tests, 1, QStringLiteral("A1C"));
    saveAccepted();

    ASSERT_TRUE(findRecord(TableId::Test, profile + "7973969220260307090500p"));
    EXPECT_EQ(field(TableId::Test, "ProvID"), "20100101000001p");
}

// A physician without a name is no physician.
TEST_F(HistoryFixture, AppointmentWithANamelessProviderIsRefused)
{
    add(Topic::Appointments);
    control<QComboBox>("cboApptProvider")->setCurrentIndex(0);
    ASSERT_EQ(control<QComboBox>("cboApptProvider")->currentData().toString(),
        QStringLiteral("20100101000003p"));
    editor->saveRecord();

    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].text,
        QStringLiteral("The physician field cannot be blank.\r\n\r\n"
                       "Please enter or select a physician."));
    EXPECT_TRUE(editing());
    EXPECT_EQ(table(TableId::Appt).recordCount(), std::size_t(historyLines(TableId::Appt).size()));
}

// ---- Locations and lists of the panels

TEST_F(HistoryFixture, LocationIsChosenFromTheListOrTypedAsItIs)
{
    const QStringList locations = {QStringLiteral("City Clinic"),
        QStringLiteral("General Hospital"), QStringLiteral("Hillside Lab")};
    for (QComboBox *combo : {control<QComboBox>("cboIllnessLocation"),
             control<QComboBox>("cboSurgeryLocation"), control<QComboBox>("cboApptLocation"),
             control<QComboBox>("cboVaccLocation"), control<QComboBox>("cboTestLocation")}) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        EXPECT_EQ(items, locations) << combo->objectName().toStdString();
        EXPECT_TRUE(combo->isEditable());
    }

    add(Topic::Surgeries);
    enter(Topic::Surgeries, 1, QStringLiteral("Tonsils"));
    enter(Topic::Surgeries, 5, QStringLiteral("Field Hospital"));
    saveAccepted();
    ASSERT_TRUE(findRecord(TableId::Surgery, profile + "00000000tonsils"));
    EXPECT_EQ(field(TableId::Surgery, "Location"), "Field Hospital");
    EXPECT_EQ(table(TableId::Location).recordCount(), 3u);
}

// What the program shows is shown as stored: a vaccination "Hep" is not
// completed to the list's "HepB", and is saved as it was.
TEST_F(HistoryFixture, ShownValuesAreNotCompleted)
{
    const QString hep = profile + "hep79779898";
    edit(Topic::Vaccinations, hep);
    EXPECT_EQ(control<QComboBox>("cboVaccination")->currentText(), QStringLiteral("Hep"));
    enter(Topic::Vaccinations, 5, QStringLiteral("booster"));
    saveAccepted();
    ASSERT_TRUE(findRecord(TableId::Vacc, hep));
    EXPECT_EQ(field(TableId::Vacc, "Vaccination"), "Hep");
}

TEST_F(HistoryFixture, FixedListsOfThePanels)
{
    const auto items = [](const QComboBox *combo) {
        QStringList texts;
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
        return texts.join(u',');
    };
    EXPECT_EQ(items(control<QComboBox>("cboVaccination")),
        "DTaP,Td,Flu,HepB,HepA,Hib,MMR,IPV,OPV,PCV,PPV,Var");
    EXPECT_EQ(items(control<QComboBox>("cboMedActive")), "Yes,No");
    EXPECT_FALSE(control<QComboBox>("cboMedActive")->isEditable());
    EXPECT_EQ(items(control<QComboBox>("cboFamilyRelation")),
        "Father,Mother,Brother,Sister,Grandfather,Grandmother,Great-Grandfather,"
        "Great-Grandmother,Son,Daughter,Uncle,Aunt");
    EXPECT_EQ(items(control<QComboBox>("cboFamilySide")), "Paternal,Maternal");
}

// ---- Typing limits

struct LimitCase {
    Topic topic;
    const char *control;
    int limit;
};

class HistoryLimit : public HistoryFixture, public ::testing::WithParamInterface<LimitCase> { };

TEST_P(HistoryLimit, TypingStopsAtTheFieldSize)
{
    const LimitCase &c = GetParam();
    add(c.topic);
    auto *control = panel(c.topic).findChild<QWidget *>(QString::fromLatin1(c.control));
    ASSERT_TRUE(control);
    QWidget *keys = control;
    if (auto *box = qobject_cast<TextBox *>(control))
        keys = box->editor();
    else if (auto *combo = qobject_cast<QComboBox *>(control))
        keys = combo->lineEdit();
    QTest::keyClicks(keys, QString(c.limit + 5, u'x'));

    const QString typed = qobject_cast<TextBox *>(control)
        ? qobject_cast<TextBox *>(control)->text()
        : qobject_cast<QComboBox *>(control)->currentText();
    EXPECT_EQ(typed.size(), c.limit);
}

const LimitCase limitCases[] = {
    {Topic::FamilyHistory, "txtFamily(1)", 40},
    {Topic::FamilyHistory, "cboFamilyRelation", 50},
    {Topic::Medications, "txtMed(9)", 50},
    {Topic::Tests, "cboTestLocation", 100},
    {Topic::Surgeries, "txtSurgery(3)", 10},
};

INSTANTIATE_TEST_SUITE_P(
    History, HistoryLimit, ::testing::ValuesIn(limitCases), [](const auto &info) {
        std::string name = info.param.control;
        std::erase_if(name, [](char ch) { return ch == '(' || ch == ')'; });
        return name;
    });

// ---- Enter order

struct EnterChain {
    const char *name;
    Topic topic;
    std::vector<const char *> controls; // the first has the focus; Enter moves along
};

void PrintTo(const EnterChain &c, std::ostream *os)
{
    *os << c.name;
}

const EnterChain enterChains[] = {
    {"Allergies", Topic::Allergies, {"txtAllergy(1)", "txtAllergy(2)"}},
    {"AllergyDate", Topic::Allergies, {"dtAllergyDate", "txtAllergy(4)"}},
    {"Illnesses", Topic::Illnesses, {"txtIllness(1)", "txtIllness(2)"}},
    {"IllnessDates", Topic::Illnesses, {"dtIllnessDate1", "dtIllnessDate2", "txtIllness(5)"}},
    {"IllnessProvider", Topic::Illnesses,
        {"cboIllnessProvider", "cboIllnessLocation", "txtIllness(9)"}},
    {"Surgeries", Topic::Surgeries,
        {"dtSurgeryDate", "txtSurgery(3)", "cboSurgeryProvider", "cboSurgeryLocation",
            "txtSurgery(6)"}},
    {"Appointments", Topic::Appointments,
        {"cboApptProvider", "dtApptDate1", "dtApptTime1", "cboApptLocation", "txtAppt(5)"}},
    {"FollowUp", Topic::Appointments, {"dtApptDate2", "dtApptTime2"}},
    {"Medications", Topic::Medications,
        {"txtMed(1)", "txtMed(2)", "txtMed(3)", "cboMedProvider", "dtMedDate1", "dtMedDate2",
            "txtMed(5)"}},
    {"Pharmacy", Topic::Medications, {"cboMedPharmacy", "txtMed(9)", "cboMedActive", "txtMed(11)"}},
    {"Vaccinations", Topic::Vaccinations,
        {"cboVaccination", "dtVaccDate", "cboVaccProvider", "cboVaccLocation", "txtVacc(5)"}},
    {"Tests", Topic::Tests,
        {"txtTest(1)", "dtTestDate", "txtTest(3)", "cboTestProvider", "cboTestLocation",
            "txtTest(6)"}},
    {"FamilyHistory", Topic::FamilyHistory,
        {"txtFamily(1)", "txtFamily(2)", "cboFamilyRelation", "cboFamilySide", "dtFamilyDate1",
            "dtFamilyDate2", "txtFamily(7)"}},
};

bool hasFocus(const QWidget *control)
{
    const QWidget *focus = QApplication::focusWidget();
    return focus && (focus == control || control->isAncestorOf(focus));
}

class HistoryEnter : public HistoryFixture, public ::testing::WithParamInterface<EnterChain> { };

TEST_P(HistoryEnter, EnterMovesAlongThePanelsOrder)
{
    const EnterChain &c = GetParam();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    add(c.topic);
    std::vector<QWidget *> chain;
    for (const char *name : c.controls) {
        chain.push_back(panel(c.topic).findChild<QWidget *>(QString::fromLatin1(name)));
        ASSERT_TRUE(chain.back()) << name;
    }
    chain.front()->setFocus();
    ASSERT_TRUE(hasFocus(chain.front()));
    for (std::size_t i = 1; i < chain.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_TRUE(hasFocus(chain[i])) << c.controls[i];
    }
    // The end of a chain keeps the key: a line break in the notes, nothing elsewhere.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(hasFocus(chain.back()));
}

INSTANTIATE_TEST_SUITE_P(History, HistoryEnter, ::testing::ValuesIn(enterChains),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
