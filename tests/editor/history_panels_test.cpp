#include "history_fixture.h"

#include "editor/topic_panel.h"
#include "settings/app_info.h"
#include "store/criterion.h"
#include "store/table_catalog.h"
#include "store/topics.h"
#include "text/cp1252.h"
#include "widgets/date_time_picker.h"
#include "widgets/text_box.h"

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

using namespace vantorelle;

// What the health-history panels do beyond the flows every topic panel shares
// (panel_flows_test.cpp).

namespace {

const QString profile = QStringLiteral("20090305070809p");

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

// A new record names no physician until the user chooses one: the one of the
// record shown before is not carried over.
TEST_F(HistoryFixture, NewRecordStartsWithoutTheProviderShownLast)
{
    edit(Topic::Tests, profile + "7975979820240201101500p");
    ASSERT_EQ(control<QComboBox>("cboTestProvider")->currentText(), QStringLiteral("Dr. Brown"));
    editor->cancelEditing();
    add(Topic::Tests);
    EXPECT_EQ(control<QComboBox>("cboTestProvider")->currentIndex(), -1);
    EXPECT_EQ(control<QComboBox>("cboTestLocation")->currentText(), QString());
    EXPECT_EQ(control<DateTimePicker>("dtTestDate")->storedText(), QStringLiteral("20260307"));
    enter(Topic::Tests, 1, QStringLiteral("A1C"));
    saveAccepted();

    ASSERT_TRUE(findRecord(TableId::Test, profile + "7973969220260307090500p"));
    EXPECT_EQ(field(TableId::Test, "ProvID"), "");
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

void PrintTo(const LimitCase &c, std::ostream *os)
{
    *os << c.control << " takes " << c.limit;
}

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

} // namespace
