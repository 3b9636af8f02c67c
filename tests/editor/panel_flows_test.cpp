#include "history_fixture.h"

#include "editor/topic_panel.h"
#include "settings/app_info.h"
#include "store/criterion.h"
#include "widgets/date_time_picker.h"
#include "widgets/text_box.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

using namespace vantorelle;

// What every topic panel of the history and reading topics does with its
// table, one table of cases over the descriptor topics; and where Enter moves
// through each panel.

namespace {

const QString profile = QStringLiteral("20090305070809p");

// One topic: what adding, editing in place, re-keying and an empty required
// value do to its table file. In the lines "*" stands for the Key.
struct TopicCase {
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

void PrintTo(const TopicCase &c, std::ostream *os)
{
    *os << c.name;
}

// A reading saved now is keyed by the profile, the inverted date and time and
// the clock.
const TopicCase topicCases[] = {
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
    {"BloodPressure", Topic::BloodPressure, TableId::BP, {{1, "130"}, {2, "85"}},
        profile + "79739692909420260307090500p",
        R"(0x00000000,0x0008,"*","130","85","","20260307","09:05","","","","","")",
        profile + "79759684916920240315083100p", {3, "72"},
        R"(0x00000005,0x0004,"*","120","80","72","20240315","08:30","Rest","after a walk","o1","","")",
        {1, "125"}, profile + "79759684916920260307090500p",
        R"(0x00000000,0x0008,"*","125","80","70","20240315","08:30","Rest","after a walk","o1","","")",
        "The BP and date/time fields cannot be blank.\r\n\r\nPlease enter a BP and date/time."},
    {"Cholesterol", Topic::Cholesterol, TableId::Chol, {{1, "200"}},
        profile + "79739692909420260307090500p",
        R"(0x00000000,0x0008,"*","200","","","","20260307","09:05","","","","")",
        profile + "79759698999920240301100000p", {3, "55"},
        R"(0x00000007,0x0004,"*","190","100","55","120","20240301","00:00","fasting","o1","","")",
        {2, "110"}, profile + "79759698999920260307090500p",
        R"(0x00000000,0x0008,"*","190","110","50","120","20240301","00:00","fasting","o1","","")",
        "The total and date/time fields cannot be blank.\r\n\r\nPlease enter a Total and "
        "date/time."},
    {"Weight", Topic::Weight, TableId::Weight, {{1, "170"}},
        profile + "79739692909420260307090500p",
        R"(0x00000000,0x0008,"*","170","20260307","09:05","","","","")",
        profile + "79759697938420240302100000p", {4, "after run"},
        R"(0x00000009,0x0004,"*","172.5 lb measured after breakfast on the","20240302","06:15","after run","o1","","")",
        {1, "171"}, profile + "79759697938420260307090500p",
        R"(0x00000000,0x0008,"*","171","20240302","06:15","","o1","","")",
        "The weight and date/time fields cannot be blank.\r\n\r\nPlease enter a weight and "
        "date/time."},
    {"Glucose", Topic::Glucose, TableId::Glucose, {{1, "6.1"}},
        profile + "79739692909420260307090500p",
        R"(0x00000000,0x0008,"*","6.1","mg/dL","","","20260307","09:05","","","","","","","")",
        profile + "79759696925420240303074600p", {8, "4"},
        R"(0x0000000B,0x0004,"*","5.5","mmol/L","30","Before Breakfast","20240303","07:45","","4","o2","","","","")",
        {1, "5.8"}, profile + "79759696925420260307090500p",
        R"(0x00000000,0x0008,"*","5.8","mmol/L","30","Before Breakfast","20240303","07:45","","2","o2","","","","")",
        "The glucose and date/time fields cannot be blank.\r\n\r\nPlease enter a glucose and "
        "date/time."},
};

class PanelFlow : public HistoryFixture, public ::testing::WithParamInterface<TopicCase> { };

TEST_P(PanelFlow, AddsANewRecordUnderItsKey)
{
    const TopicCase &c = GetParam();
    add(c.topic);
    for (const auto &[row, value] : c.typed)
        enter(c.topic, row, value);
    saveAccepted();

    ASSERT_TRUE(findRecord(c.table, c.addedKey));
    EXPECT_EQ(field(c.table, "STATUS"), "0x0008");
    EXPECT_EQ(field(c.table, "REC_ID"), "0x00000000");
    EXPECT_EQ(currentGridKey(), c.addedKey);
    saveTables();
    EXPECT_EQ(
        sorted(fileLines(c.table)), sorted(historyLines(c.table) << withKey(c.added, c.addedKey)));
}

TEST_P(PanelFlow, ChangeOutsideTheKeyUpdatesInPlace)
{
    const TopicCase &c = GetParam();
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

// The record under its old Key is deleted (a synchronised one is marked so),
// and the record is added under its new Key.
TEST_P(PanelFlow, ChangeOfAKeyValueReplacesTheRecord)
{
    const TopicCase &c = GetParam();
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

TEST_P(PanelFlow, EmptyRequiredValueIsRefusedAndNothingStored)
{
    const TopicCase &c = GetParam();
    add(c.topic);
    editor->saveRecord();

    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].title, QString::fromUtf8(AppInfo::title));
    EXPECT_EQ(prompter.boxes[0].text, c.message);
    EXPECT_EQ(prompter.boxes[0].buttons, Prompter::OkOnly);
    EXPECT_TRUE(editing());
    EXPECT_TRUE(control<QPushButton>("cmdNewSave")->isVisibleTo(main.get()));
    EXPECT_EQ(table(c.table).recordCount(), std::size_t(historyLines(c.table).size()));
    saveTables();
    EXPECT_EQ(sorted(fileLines(c.table)), sorted(historyLines(c.table)));
}

// After a stored record was shown, Add empties the panel, its lists too:
// nothing chosen for that record is carried over to the new one. Only the
// dates and times a new record starts at now, and the glucose units the
// preferences name, are filled in.
TEST_P(PanelFlow, AddEmptiesThePanelButItsStartingValues)
{
    static const std::map<Topic, QStringList> starts = {
        {Topic::Vaccinations, {"dtVaccDate"}},
        {Topic::Tests, {"dtTestDate"}},
        {Topic::BloodPressure, {"dtBPDate", "dtBPTime"}},
        {Topic::Cholesterol, {"dtCholDate", "dtCholTime"}},
        {Topic::Weight, {"dtWtDate", "dtWtTime"}},
        {Topic::Glucose, {"cboGlucoseUnits", "dtGlucoseDate", "dtGlucoseTime"}},
    };
    const TopicCase &c = GetParam();
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
    const auto started = starts.find(c.topic);
    EXPECT_EQ(showing.join(u','), started == starts.end() ? QString() : started->second.join(u','));
    EXPECT_EQ(panel(c.topic).keyBox->text(), QString());
    EXPECT_EQ(panel(c.topic).idBox->text(), QStringLiteral("0x00000000"));
    EXPECT_EQ(panel(c.topic).statusBox->text(), QStringLiteral("0x0008"));
}

INSTANTIATE_TEST_SUITE_P(Topics, PanelFlow, ::testing::ValuesIn(topicCases),
    [](const auto &info) { return std::string(info.param.name); });

// ---- Enter order

// Enter moves through a panel in its order. At the end of a chain the control
// keeps the focus, and a notes box takes Enter as a line break.
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
    {"Personal", Topic::Personal,
        {"txtMainID(1)", "txtMainID(2)", "dtDate0", "cboGender", "cboBlood", "cboSSNType",
            "txtMainID(10)", "txtMainID(4)", "txtMainID(14)"}},
    {"PhoneType", Topic::Personal, {"cboPhoneType", "txtMainID(4)", "txtMainID(14)"}},
    {"MaritalStatus", Topic::Personal, {"cboMarital", "cboDonor", "txtMainID(22)"}},
    {"TypicalValues", Topic::Personal,
        {"txtMainID(19)", "txtMainID(18)", "txtMainID(16)", "txtMainID(17)", "txtMainID(20)"}},
    {"Legal", Topic::Legal, {"cboAttorney", "cboKin", "txtMainID(26)"}},
    {"Insurance", Topic::Insurance,
        {"txtInsID(1)", "cboInsType", "txtInsID(3)", "txtInsID(4)", "dtInsDate", "txtInsID(6)",
            "txtInsID(7)", "txtInsID(8)"}},
    {"Contacts", Topic::Contacts,
        {"txtConID(1)", "txtConID(2)", "txtConID(3)", "txtConID(4)", "txtConID(5)", "txtConID(7)"}},
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
    {"BloodPressure", Topic::BloodPressure,
        {"txtBP(1)", "txtBP(2)", "txtBP(3)", "dtBPDate", "dtBPTime", "cboBPActivity", "txtBP(7)"}},
    {"Weight", Topic::Weight, {"txtWt(1)", "dtWtDate", "dtWtTime", "txtWt(4)"}},
    {"Glucose", Topic::Glucose,
        {"txtGlucose(1)", "cboGlucoseUnits", "txtGlucose(3)", "txtGlucose(8)", "cboGlucoseEvent",
            "dtGlucoseDate", "dtGlucoseTime", "txtGlucose(7)"}},
    {"Cholesterol", Topic::Cholesterol, {"txtChol(1)", "txtChol(2)", "txtChol(3)", "txtChol(4)"}},
    {"CholesterolDate", Topic::Cholesterol, {"dtCholDate"}},
    {"FamilyHistory", Topic::FamilyHistory,
        {"txtFamily(1)", "txtFamily(2)", "cboFamilyRelation", "cboFamilySide", "dtFamilyDate1",
            "dtFamilyDate2", "txtFamily(7)"}},
};

bool hasFocus(const QWidget *control)
{
    const QWidget *focus = QApplication::focusWidget();
    return focus && (focus == control || control->isAncestorOf(focus));
}

QString textOf(const QWidget *control)
{
    if (const auto *box = qobject_cast<const TextBox *>(control))
        return box->text();
    if (const auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->currentText();
    return {};
}

class EnterOrder : public HistoryFixture, public ::testing::WithParamInterface<EnterChain> { };

TEST_P(EnterOrder, EnterMovesAlongThePanelsOrder)
{
    const EnterChain &c = GetParam();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    showTopic(c.topic);
    // The profile topics edit the profile shown; the others start a new record.
    if (c.topic <= Topic::Legal)
        editor->editRecord();
    else
        editor->addRecord();
    ASSERT_TRUE(panel(c.topic).isVisible());
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
    QWidget *last = chain.back();
    const auto *notes = qobject_cast<const TextBox *>(last);
    const bool lineBreak = notes && notes->isMultiLine();
    const QString before = textOf(last);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(hasFocus(last));
    EXPECT_EQ(textOf(last).count(u'\n'), before.count(u'\n') + (lineBreak ? 1 : 0));
}

INSTANTIATE_TEST_SUITE_P(Panels, EnterOrder, ::testing::ValuesIn(enterChains),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
