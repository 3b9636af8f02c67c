#include "masters_fixture.h"

#include "masters/master_list_definition.h"
#include "platform/modal_window_ender.h"
#include "settings/app_info.h"
#include "settings/preferences.h"
#include "store/criterion.h"
#include "support/accessible_names.h"
#include "support/temporary_install.h"
#include "support/typed_keys.h"
#include "text/cp1252.h"
#include "widgets/date_time_picker.h"
#include "widgets/text_box.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

#include <string>
#include <utility>
#include <vector>

using namespace vantorelle;

namespace {

using Typed = std::vector<std::pair<const char *, QString>>;

std::string testName(const char *name)
{
    std::string out;
    for (const char *c = name; *c; ++c)
        out += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return out;
}

} // namespace

// ---- Listing and showing

struct ListingCase {
    const char *name;
    MasterListId list;
    const char *panel;
    QStringList items;
    // The first item's controls and what they show.
    std::vector<std::pair<const char *, QString>> shown;
};

void PrintTo(const ListingCase &c, std::ostream *out)
{
    *out << c.name;
}

class Listing : public MastersFixture, public ::testing::WithParamInterface<ListingCase> { };

TEST_P(Listing, ItemsInTheListOrderWithoutDeletedOnesTheFirstShown)
{
    const ListingCase &c = GetParam();
    open(c.list);
    EXPECT_EQ(control<QComboBox>("cboMasterList")->currentText(),
        QString::fromUtf8(masterListDefinition(c.list).title));
    auto *panels = editor->findChild<QStackedWidget *>();
    ASSERT_TRUE(panels);
    EXPECT_EQ(panels->currentWidget()->objectName(), QString::fromLatin1(c.panel));
    EXPECT_EQ(listed(), c.items);
    EXPECT_EQ(selected(), c.items.first());
    for (const auto &[name, text] : c.shown) {
        EXPECT_EQ(shown(name), text) << name;
        EXPECT_FALSE(control<QWidget>(name)->isEnabled()) << name << ": browsing";
    }
    EXPECT_TRUE(control<QPushButton>("cmdEdit")->isVisible());
    EXPECT_TRUE(control<QPushButton>("cmdDelete")->isVisible());
    EXPECT_FALSE(control<QPushButton>("cmdSave")->isVisible());
    EXPECT_FALSE(control<QPushButton>("cmdCancel")->isVisible());
}

INSTANTIATE_TEST_SUITE_P(MasterLists, Listing,
    ::testing::Values(
        ListingCase {"Contacts", MasterListId::Contacts, "fraMaster(0)", {"Smith, Jo"},
            {{"txtConID(1)", "Jo"}, {"txtConID(2)", "Smith"}, {"txtConID(3)", "555-0400"},
                {"txtConID(8)", "Neighbour"}}},
        ListingCase {"Insurance", MasterListId::Insurance, "fraMaster(1)", {"ACME Health"},
            {{"txtInsID(1)", "ACME Health"}, {"cboInsType", "PPO"}, {"txtInsID(3)", "G-1"},
                {"dtInsDate", "20090101"}, {"txtInsID(8)", "PO Box 1"}}},
        ListingCase {"Locations", MasterListId::Locations, "fraMaster(2)", {"Clinic", "St. Mary's"},
            {{"txtLocation(0)", "Clinic"}}},
        ListingCase {"Pharmacies", MasterListId::Pharmacies, "fraMaster(3)", {"Corner Drug"},
            {{"txtPharmID(1)", "Corner Drug"}, {"txtPharmID(2)", "Pat"}, {"txtPharmID(5)", "9-5"},
                {"txtPharmID(6)", "2 Main St"}}},
        ListingCase {"Providers", MasterListId::Providers, "fraMaster(4)", {"Dr. Who"},
            {{"txtProvID(1)", "Dr. Who"}, {"cboProviderType", "GP"}, {"txtProvID(3)", "555-0600"},
                {"cboProviderLocation", "Clinic"}}},
        ListingCase {"ProviderTypes", MasterListId::ProviderTypes, "fraMaster(5)",
            {"Cardiology", "GP"}, {{"txtProvType(0)", "Cardiology"}}}),
    [](const auto &info) { return testName(info.param.name); });

// ---- Adding, changing and renaming items

struct SaveCase {
    const char *name;
    MasterListId list;
    const char *item; // selected before the command; "" for none
    const char *command; // "cmdNew" or "cmdEdit"
    Typed typed;
    QString listedAs; // the saved item's row, selected after the save
    TableId table;
    QStringList rows; // every row of the table after the save, "REC_ID STATUS Key"
    QString line; // the saved item's line in the file after Save All
};

void PrintTo(const SaveCase &c, std::ostream *out)
{
    *out << c.name;
}

class Saving : public MastersFixture, public ::testing::WithParamInterface<SaveCase> { };

TEST_P(Saving, StoresTheItemInTheTableAndTheFile)
{
    const SaveCase &c = GetParam();
    open(c.list);
    if (*c.item)
        select(QString::fromUtf8(c.item));
    click(c.command);
    EXPECT_TRUE(editor->editing());
    for (const auto &[name, text] : c.typed)
        type(name, text);
    click("cmdSave");
    EXPECT_TRUE(prompter.boxes.isEmpty()) << prompter.boxes.first().text.toStdString();

    EXPECT_FALSE(editor->editing());
    EXPECT_EQ(selected(), c.listedAs);
    EXPECT_TRUE(listed().contains(c.listedAs));
    EXPECT_TRUE(control<QPushButton>("cmdNew")->isEnabled());
    EXPECT_FALSE(control<QPushButton>("cmdSave")->isVisible());
    QStringList rowsExpected = c.rows;
    rowsExpected.sort();
    EXPECT_EQ(rows(c.table), rowsExpected);

    saveAll();
    EXPECT_EQ(fileRows(c.table), rowsExpected);
    EXPECT_TRUE(fileLines(c.table).contains(c.line))
        << fileLines(c.table).join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(MasterLists, Saving,
    ::testing::Values(
        // New items: a clock key, or the name for locations and provider types.
        SaveCase {"NewContact", MasterListId::Contacts, "", "cmdNew",
            {{"txtConID(1)", "Mary"}, {"txtConID(2)", "O'Hara"}, {"txtConID(3)", "555-1111"},
                {"txtConID(7)", "2 Elm St\nApt 3"}},
            "O'Hara, Mary", TableId::ConID,
            {"0x00000017 0x0000 20090306080100p", "0x00000000 0x0008 20240315143005p"},
            R"(0x00000000,0x0008,"20240315143005p","Mary","O'Hara","555-1111","","","","2 Elm St\nApt 3","","","","")"},
        SaveCase {"NewInsurance", MasterListId::Insurance, "", "cmdNew",
            {{"txtInsID(1)", "Blue Shield"}, {"cboInsType", "D"}, {"txtInsID(4)", "P-77"},
                {"dtInsDate", "03152024"}},
            "Blue Shield", TableId::InsID,
            {"0x00000015 0x0000 20090306080000p", "0x00000000 0x0008 20240315143005p"},
            R"(0x00000000,0x0008,"20240315143005p","Blue Shield","Dental","","P-77","20240315","","","","","","","")"},
        SaveCase {"NewLocation", MasterListId::Locations, "", "cmdNew",
            {{"txtLocation(0)", "Mercy Hospital"}}, "Mercy Hospital", TableId::Location,
            {"0x00000028 0x0000 Clinic", "0x00000000 0x0008 St. Mary's",
                "0x00000000 0x0008 Mercy Hospital"},
            R"(0x00000000,0x0008,"Mercy Hospital","","","")"},
        SaveCase {"NewPharmacy", MasterListId::Pharmacies, "", "cmdNew",
            {{"txtPharmID(1)", "Main Pharmacy"}, {"txtPharmID(9)", "Closed Sundays"}},
            "Main Pharmacy", TableId::PharmID,
            {"0x00000025 0x0000 20090306080300p", "0x00000000 0x0008 20240315143005p"},
            R"(0x00000000,0x0008,"20240315143005p","Main Pharmacy","","","","","","","","Closed Sundays","","","")"},
        SaveCase {"NewProvider", MasterListId::Providers, "", "cmdNew",
            {{"txtProvID(1)", "Dr. Adams"}, {"cboProviderType", "C"},
                {"cboProviderLocation", "St. Mary's"}},
            "Dr. Adams", TableId::ProvID,
            {"0x00000026 0x0000 20090306080200p", "0x00000027 0x0002 20090306080400p",
                "0x00000000 0x0008 20240315143005p"},
            R"(0x00000000,0x0008,"20240315143005p","Dr. Adams","Cardiology","","","","St. Mary's","","","","","","","","")"},
        SaveCase {"NewProviderType", MasterListId::ProviderTypes, "", "cmdNew",
            {{"txtProvType(0)", "Dermatology"}}, "Dermatology", TableId::ProvType,
            {"0x00000029 0x0000 GP", "0x0000002A 0x0000 Cardiology",
                "0x00000000 0x0008 Dermatology"},
            R"(0x00000000,0x0008,"Dermatology","","","")"},

        // Stored items changed in place: "0x0000" becomes "0x0004", the Key stays.
        SaveCase {"EditedContact", MasterListId::Contacts, "Smith, Jo", "cmdEdit",
            {{"txtConID(4)", "555-0401"}}, "Smith, Jo", TableId::ConID,
            {"0x00000017 0x0004 20090306080100p"},
            R"(0x00000017,0x0004,"20090306080100p","Jo","Smith","555-0400","555-0401","","","","Neighbour","","","")"},
        SaveCase {"EditedInsurance", MasterListId::Insurance, "ACME Health", "cmdEdit",
            {{"txtInsID(3)", "G-9"}}, "ACME Health", TableId::InsID,
            {"0x00000015 0x0004 20090306080000p"},
            R"(0x00000015,0x0004,"20090306080000p","ACME Health","PPO","G-9","P-2","20090101","555-0300","","PO Box 1","","","","")"},
        SaveCase {"EditedLocationUnderItsName", MasterListId::Locations, "Clinic", "cmdEdit", {},
            "Clinic", TableId::Location,
            {"0x00000028 0x0004 Clinic", "0x00000000 0x0008 St. Mary's"},
            R"(0x00000028,0x0004,"Clinic","","","")"},
        SaveCase {"EditedPharmacy", MasterListId::Pharmacies, "Corner Drug", "cmdEdit",
            {{"txtPharmID(5)", "8-6"}}, "Corner Drug", TableId::PharmID,
            {"0x00000025 0x0004 20090306080300p"},
            R"(0x00000025,0x0004,"20090306080300p","Corner Drug","Pat","555-0500","","8-6","2 Main St","","","","","","")"},
        SaveCase {"EditedProvider", MasterListId::Providers, "Dr. Who", "cmdEdit",
            {{"txtProvID(3)", "555-0611"}}, "Dr. Who", TableId::ProvID,
            {"0x00000026 0x0004 20090306080200p", "0x00000027 0x0002 20090306080400p"},
            R"(0x00000026,0x0004,"20090306080200p","Dr. Who","GP","555-0611","","","Clinic","","","","","","","","")"},

        // Renamed: a new record under the new name, the old one by the delete rule.
        SaveCase {"RenamedLocation", MasterListId::Locations, "Clinic", "cmdEdit",
            {{"txtLocation(0)", "Clinic North"}}, "Clinic North", TableId::Location,
            {"0x00000028 0x0002 Clinic", "0x00000000 0x0008 St. Mary's",
                "0x00000000 0x0008 Clinic North"},
            R"(0x00000000,0x0008,"Clinic North","","","")"},
        SaveCase {"RenamedNewLocation", MasterListId::Locations, "St. Mary's", "cmdEdit",
            {{"txtLocation(0)", "St. Mary's Hospital"}}, "St. Mary's Hospital", TableId::Location,
            {"0x00000028 0x0000 Clinic", "0x00000000 0x0008 St. Mary's Hospital"},
            R"(0x00000000,0x0008,"St. Mary's Hospital","","","")"},
        SaveCase {"RenamedProviderType", MasterListId::ProviderTypes, "GP", "cmdEdit",
            {{"txtProvType(0)", "General Practice"}}, "General Practice", TableId::ProvType,
            {"0x00000029 0x0002 GP", "0x0000002A 0x0000 Cardiology",
                "0x00000000 0x0008 General Practice"},
            R"(0x00000000,0x0008,"General Practice","","","")"}),
    [](const auto &info) { return testName(info.param.name); });

// ---- Deleting items

struct DeleteCase {
    const char *name;
    MasterListId list;
    const char *item;
    TableId table;
    QStringList rows; // every row of the table after the delete
    QStringList listed; // the item list after it
    QString selected; // the row shown after it: the one above, else the first
};

void PrintTo(const DeleteCase &c, std::ostream *out)
{
    *out << c.name;
}

class Deleting : public MastersFixture, public ::testing::WithParamInterface<DeleteCase> { };

TEST_P(Deleting, RemovesANewItemAndMarksASynchronisedOne)
{
    const DeleteCase &c = GetParam();
    open(c.list);
    select(QString::fromUtf8(c.item));
    click("cmdDelete");
    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].title, "Confirm Delete");
    EXPECT_EQ(prompter.boxes[0].text, "Do you really want to delete this list item?");
    EXPECT_EQ(prompter.boxes[0].buttons, Prompter::YesNo);
    EXPECT_EQ(prompter.boxes[0].icon, Prompter::Question);

    EXPECT_EQ(listed(), c.listed);
    EXPECT_EQ(selected(), c.selected);
    EXPECT_EQ(control<QPushButton>("cmdEdit")->isVisible(), !c.listed.isEmpty());
    QStringList rowsExpected = c.rows;
    rowsExpected.sort();
    EXPECT_EQ(rows(c.table), rowsExpected);
    saveAll();
    EXPECT_EQ(fileRows(c.table), rowsExpected);
}

INSTANTIATE_TEST_SUITE_P(MasterLists, Deleting,
    ::testing::Values(DeleteCase {"Contact", MasterListId::Contacts, "Smith, Jo", TableId::ConID,
                          {"0x00000017 0x0002 20090306080100p"}, {}, {}},
        DeleteCase {"Insurance", MasterListId::Insurance, "ACME Health", TableId::InsID,
            {"0x00000015 0x0002 20090306080000p"}, {}, {}},
        DeleteCase {"SynchronisedLocation", MasterListId::Locations, "Clinic", TableId::Location,
            {"0x00000028 0x0002 Clinic", "0x00000000 0x0008 St. Mary's"}, {"St. Mary's"},
            "St. Mary's"},
        DeleteCase {"NewLocation", MasterListId::Locations, "St. Mary's", TableId::Location,
            {"0x00000028 0x0000 Clinic"}, {"Clinic"}, "Clinic"},
        DeleteCase {"Pharmacy", MasterListId::Pharmacies, "Corner Drug", TableId::PharmID,
            {"0x00000025 0x0002 20090306080300p"}, {}, {}},
        DeleteCase {"Provider", MasterListId::Providers, "Dr. Who", TableId::ProvID,
            {"0x00000026 0x0002 20090306080200p", "0x00000027 0x0002 20090306080400p"}, {}, {}},
        DeleteCase {"ProviderType", MasterListId::ProviderTypes, "GP", TableId::ProvType,
            {"0x00000029 0x0002 GP", "0x0000002A 0x0000 Cardiology"}, {"Cardiology"},
            "Cardiology"}),
    [](const auto &info) { return testName(info.param.name); });

TEST_F(MastersFixture, DeleteAnsweredNoChangesNothing)
{
    open(MasterListId::Locations);
    const QStringList before = rows(TableId::Location);
    select("St. Mary's");
    prompter.setNextAnswers({Prompter::No});
    click("cmdDelete");
    EXPECT_EQ(listed(), (QStringList {"Clinic", "St. Mary's"}));
    EXPECT_EQ(selected(), "St. Mary's");
    EXPECT_EQ(rows(TableId::Location), before);
}

// The list loses a row only with its record: a row whose record is no
// longer the one listed is not deleted, and stays listed as it now stands.
TEST_F(MastersFixture, ARowWhoseRecordChangedIsNotDeleted)
{
    open(MasterListId::Pharmacies);
    MemoryTable &pharmacies = table(TableId::PharmID);
    pharmacies.moveFirst();
    pharmacies.setValue("Key", "20090306080399p");
    pharmacies.update();
    click("cmdDelete");
    EXPECT_EQ(rows(TableId::PharmID), (QStringList {"0x00000025 0x0000 20090306080399p"}));
    EXPECT_EQ(listed(), (QStringList {"Corner Drug"}));
}

// ---- The most items of each list

struct MaximumCase {
    const char *name;
    MasterListId list;
    int maximum;
    QString text;
    QString title;
};

void PrintTo(const MaximumCase &c, std::ostream *out)
{
    *out << c.name;
}

class Maximum : public MastersFixture, public ::testing::WithParamInterface<MaximumCase> {
protected:
    // Adds items to the list's table until it lists `count`.
    void fillTo(int count)
    {
        const MasterListDefinition &definition = masterListDefinition(GetParam().list);
        MemoryTable &rows = table(definition.table);
        for (int i = int(rows.recordCount()); i < count; ++i) {
            const std::string name = "Item " + std::to_string(1000 + i);
            rows.addNew();
            rows.setValue("REC_ID", "0x00000000");
            rows.setValue("STATUS", "0x0008");
            rows.setValue(
                "Key", definition.keyedByName ? name : "2023" + std::to_string(1000 + i) + "p");
            if (!definition.keyedByName)
                rows.setValue(definition.first, name);
            rows.update();
        }
    }
};

TEST_P(Maximum, NewStopsAtTheListsMaximum)
{
    const MaximumCase &c = GetParam();
    fillTo(c.maximum - 1);
    open(c.list);
    select(listed().last());
    const QString shownBefore = selected();
    click("cmdNew");
    EXPECT_TRUE(editor->editing()) << "one below the maximum";
    click("cmdCancel");

    fillTo(c.maximum);
    open(c.list);
    select(listed().last());
    click("cmdNew");
    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].title, c.title);
    EXPECT_EQ(prompter.boxes[0].text, c.text);
    EXPECT_EQ(prompter.boxes[0].buttons, Prompter::OkOnly);
    EXPECT_EQ(prompter.boxes[0].icon, Prompter::NoIcon);
    EXPECT_FALSE(editor->editing());
    EXPECT_EQ(selected(), listed().last());
    EXPECT_EQ(int(table(masterListDefinition(c.list).table).recordCount()), c.maximum);
}

INSTANTIATE_TEST_SUITE_P(MasterLists, Maximum,
    ::testing::Values(MaximumCase {"Contacts", MasterListId::Contacts, 60,
                          "The maximum number of Contacts is 60.", "Maximum Contacts"},
        MaximumCase {"Insurance", MasterListId::Insurance, 20,
            "The maximum number of Insurance entries is 20.", "Maximum Insurance Entries"},
        MaximumCase {"Locations", MasterListId::Locations, 40,
            "The maximum number of Locations is 40.", "Maximum Locations"},
        MaximumCase {"Pharmacies", MasterListId::Pharmacies, 20,
            "The maximum number of Pharmacies is 20.", "Maximum Pharmacies"},
        MaximumCase {"Providers", MasterListId::Providers, 100,
            "The maximum number of Providers is 100.", "Maximum Providers"},
        MaximumCase {"ProviderTypes", MasterListId::ProviderTypes, 40,
            "The maximum number of Provider Types is 40.", "Maximum Provider Types"}),
    [](const auto &info) { return testName(info.param.name); });

// ---- Required entries

struct RequiredCase {
    const char *name;
    MasterListId list;
    Typed typed; // typed after New; the required entry left empty
    QString message;
};

void PrintTo(const RequiredCase &c, std::ostream *out)
{
    *out << c.name;
}

class Required : public MastersFixture, public ::testing::WithParamInterface<RequiredCase> { };

TEST_P(Required, AnEmptyRequiredEntryIsNamedAndNothingStored)
{
    const RequiredCase &c = GetParam();
    const TableId id = masterListDefinition(c.list).table;
    const QStringList before = rows(id);
    open(c.list);
    click("cmdNew");
    for (const auto &[name, text] : c.typed)
        type(name, text);
    click("cmdSave");
    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].title, QString::fromUtf8(AppInfo::title));
    EXPECT_EQ(prompter.boxes[0].text, c.message);
    EXPECT_EQ(prompter.boxes[0].buttons, Prompter::OkOnly);
    EXPECT_TRUE(editor->editing()) << "the typed values stay to be completed";
    for (const auto &[name, text] : c.typed)
        EXPECT_EQ(shown(name), text);
    EXPECT_EQ(rows(id), before);
}

INSTANTIATE_TEST_SUITE_P(MasterLists, Required,
    ::testing::Values(
        RequiredCase {"ContactWithoutLastName", MasterListId::Contacts, {{"txtConID(1)", "Mary"}},
            "The name fields cannot be blank.\r\n\r\nPlease enter a full name."},
        RequiredCase {"ContactWithoutFirstName", MasterListId::Contacts,
            {{"txtConID(2)", "O'Hara"}},
            "The name fields cannot be blank.\r\n\r\nPlease enter a full name."},
        RequiredCase {"Insurance", MasterListId::Insurance, {{"txtInsID(3)", "G-5"}},
            "The company field cannot be blank.\r\n\r\nPlease enter a company name."},
        RequiredCase {"Location", MasterListId::Locations, {},
            "The location field cannot be blank.\r\n\r\nPlease enter a location."},
        RequiredCase {"Pharmacy", MasterListId::Pharmacies, {{"txtPharmID(2)", "Pat"}},
            "The pharmacy field cannot be blank.\r\n\r\nPlease enter a pharmacy name."},
        RequiredCase {"Provider", MasterListId::Providers, {{"txtProvID(3)", "555-0100"}},
            "The name field cannot be blank.\r\n\r\nPlease enter a provider name."},
        RequiredCase {"ProviderType", MasterListId::ProviderTypes, {},
            "The provider type field cannot be blank.\r\n\r\nPlease enter a type or specialty."}),
    [](const auto &info) { return testName(info.param.name); });

// ---- Items found by typed criteria, acted on by the selected row

TEST_F(MastersFixture, AnApostropheInALocationNameNeverReachesAnotherItem)
{
    // "St. Mary's" as the handheld synchronised it, and a second of the same name.
    MemoryTable &locations = table(TableId::Location);
    locations.moveFirst();
    ASSERT_TRUE(locations.find(Criterion::equal("Key", "St. Mary's")));
    locations.setValue("REC_ID", "0x00000030");
    locations.setValue("STATUS", "0x0000");
    locations.update();
    open(MasterListId::Locations);
    click("cmdNew");
    type("txtLocation(0)", "St. Mary's");
    click("cmdSave");
    EXPECT_EQ(listed(), (QStringList {"Clinic", "St. Mary's", "St. Mary's"}));

    // The second one renamed: the first keeps its name and status.
    select("St. Mary's", 2);
    click("cmdEdit");
    type("txtLocation(0)", "St. Mary's East");
    click("cmdSave");
    EXPECT_EQ(rows(TableId::Location),
        (QStringList {"0x00000000 0x0008 St. Mary's East", "0x00000028 0x0000 Clinic",
            "0x00000030 0x0000 St. Mary's"}));

    // The first one deleted: the renamed one stays.
    select("St. Mary's");
    click("cmdDelete");
    EXPECT_EQ(listed(), (QStringList {"Clinic", "St. Mary's East"}));
    EXPECT_EQ(rows(TableId::Location),
        (QStringList {"0x00000000 0x0008 St. Mary's East", "0x00000028 0x0000 Clinic",
            "0x00000030 0x0002 St. Mary's"}));
}

// ---- Values the controls cannot show

TEST_F(MastersFixture, ATypeTheListLacksIsShownAndKeptUntilAnotherIsPicked)
{
    open(MasterListId::Insurance);
    EXPECT_EQ(shown("cboInsType"), "PPO");
    click("cmdEdit");
    type("txtInsID(3)", "G-9");
    click("cmdSave");
    MemoryTable &insurance = table(TableId::InsID);
    insurance.moveFirst();
    EXPECT_EQ(insurance.value("Type"), "PPO");

    click("cmdEdit");
    type("cboInsType", "Den");
    click("cmdSave");
    insurance.moveFirst();
    EXPECT_EQ(insurance.value("Type"), "Dental");
    // The stored type no longer among the items.
    EXPECT_EQ(control<QComboBox>("cboInsType")->count(), 8);
}

// New, typed with the keys as a person would after an item whose lists show
// a choice: every list starts with nothing chosen, and the new item is stored
// with none of the shown item's values.
struct NewItemCase {
    const char *name;
    MasterListId list;
    QStringList before; // the item shown when New is pressed, and what its lists show
    const char *nameBox;
    const char *typed; // the new item's name
    const char *lists[2]; // the item's lists ("" none)
    TableId table;
    QString line; // the new item's line in the file after Save All
};

void PrintTo(const NewItemCase &c, std::ostream *out)
{
    *out << c.name;
}

class NewItem : public MastersFixture, public ::testing::WithParamInterface<NewItemCase> { };

TEST_P(NewItem, StartsWithNothingChosenInItsLists)
{
    const NewItemCase &c = GetParam();
    open(c.list);
    select(c.before[0]);
    for (qsizetype i = 1; i < c.before.size(); ++i)
        ASSERT_EQ(shown(c.lists[i - 1]), c.before[i]);

    pressShortcut(Qt::Key_N); // New: the name box has the keyboard
    ASSERT_TRUE(editor->editing());
    for (const char *list : c.lists) {
        if (*list) {
            EXPECT_EQ(shown(list), "") << list;
        }
    }
    typeKeys(QApplication::focusWidget(), QString::fromUtf8(c.typed));
    EXPECT_EQ(shown(c.nameBox), QString::fromUtf8(c.typed));
    pressShortcut(Qt::Key_S); // Save
    EXPECT_TRUE(prompter.boxes.isEmpty()) << prompter.boxes.first().text.toStdString();
    EXPECT_FALSE(editor->editing());

    saveAll();
    EXPECT_TRUE(fileLines(c.table).contains(c.line))
        << fileLines(c.table).join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(MasterLists, NewItem,
    ::testing::Values(
        // Dr. Who is a GP at the Clinic, a type from the list and a location
        // typed or chosen.
        NewItemCase {"Provider", MasterListId::Providers, {"Dr. Who", "GP", "Clinic"},
            "txtProvID(1)", "Dr. Kim", {"cboProviderType", "cboProviderLocation"}, TableId::ProvID,
            R"(0x00000000,0x0008,"20240315143005p","Dr. Kim","","","","","","","","","","","","","")"},
        // ACME Health's "PPO" is a type the list lacks, shown as it is.
        NewItemCase {"Insurance", MasterListId::Insurance, {"ACME Health", "PPO"}, "txtInsID(1)",
            "Blue Cross", {"cboInsType", ""}, TableId::InsID,
            R"(0x00000000,0x0008,"20240315143005p","Blue Cross","","","","","","","","","","","")"}),
    [](const auto &info) { return testName(info.param.name); });

// A type chosen for one new item is not offered as the next one's.
TEST_F(MastersFixture, ANewItemDoesNotTakeTheTypeOfTheOneSavedBefore)
{
    open(MasterListId::Insurance);
    click("cmdNew");
    type("txtInsID(1)", "Blue Cross");
    type("cboInsType", "Vis");
    click("cmdSave");
    ASSERT_EQ(shown("cboInsType"), "Vision");

    click("cmdNew");
    EXPECT_EQ(shown("cboInsType"), "");
    EXPECT_EQ(control<QComboBox>("cboInsType")->count(), 8);
    EXPECT_EQ(shown("txtInsID(1)"), "");
    EXPECT_TRUE(control<DateTimePicker>("dtInsDate")->isNull());
}

TEST_F(MastersFixture, TheDatePickerShowsTheStoredDateInTheDatePreference)
{
    DisplayPreferences display;
    display.dateFormat = DateFormat::DayMonthYear;
    display.dateSeparator = ".";
    context->preferences().setDisplay(display);
    MemoryTable &insurance = table(TableId::InsID);
    insurance.moveFirst();
    insurance.setValue("Date", "20090312");
    insurance.update();

    open(MasterListId::Insurance);
    auto *picker = control<DateTimePicker>("dtInsDate");
    EXPECT_EQ(picker->findChild<QLineEdit *>()->text(), "12.03.2009");
    click("cmdEdit");
    type("txtInsID(4)", "P-3");
    click("cmdSave");
    insurance.moveFirst();
    EXPECT_EQ(insurance.value("Date"), "20090312") << "never read back as 3 December";

    click("cmdEdit");
    type("dtInsDate", "15.3.2024");
    click("cmdSave");
    insurance.moveFirst();
    EXPECT_EQ(insurance.value("Date"), "20240315");
}

// A value of the first item's record that its control cannot show, or that
// no control shows, kept when the item is saved with another entry typed.
struct KeptCase {
    const char *name;
    MasterListId list;
    const char *field;
    const char *stored;
    const char *shownIn; // the control of the field; nullptr: none
    QString shownAs; // what it shows; empty for a date picker: no date ticked
    const char *typedIn;
    QString typed;
    // The typed entry's field and what the table then holds in it; nullptr: not checked.
    const char *typedField;
    const char *typedStored;
};

void PrintTo(const KeptCase &c, std::ostream *out)
{
    *out << c.name;
}

class KeptValue : public MastersFixture, public ::testing::WithParamInterface<KeptCase> { };

TEST_P(KeptValue, ThroughASaveOfAnotherEntry)
{
    const KeptCase &c = GetParam();
    MemoryTable &records = table(masterListDefinition(c.list).table);
    records.moveFirst();
    records.setValue(c.field, c.stored);
    records.update();
    open(c.list);
    if (c.shownIn) {
        auto *picker = qobject_cast<DateTimePicker *>(control<QWidget>(c.shownIn));
        if (picker && c.shownAs.isEmpty()) {
            EXPECT_TRUE(picker->isNull());
        } else {
            EXPECT_EQ(shown(c.shownIn), c.shownAs);
        }
    }
    click("cmdEdit");
    type(c.typedIn, c.typed);
    click("cmdSave");
    records.moveFirst();
    EXPECT_EQ(records.value(c.field), c.stored);
    if (c.typedField) {
        EXPECT_EQ(records.value(c.typedField), c.typedStored);
    }
}

INSTANTIATE_TEST_SUITE_P(MasterLists, KeptValue,
    ::testing::Values(
        KeptCase {"AProvidersTypeTheListLacksIsShownAndKept", MasterListId::Providers, "Type",
            "Surgeon", "cboProviderType", "Surgeon", "txtProvID(7)", "9-5", "Hours", "9-5"},
        KeptCase {"ADateThePickerCannotShowIsKeptUnlessChanged", MasterListId::Insurance, "Date",
            "2009", "dtInsDate", "", "txtInsID(3)", "G-2", nullptr, nullptr},
        KeptCase {"AContactsOtherPhoneIsKept", MasterListId::Contacts, "Phone4", "555-0404",
            nullptr, "", "txtConID(8)", "Neighbour\nat no. 4", "Notes", "Neighbour\r\nat no. 4"}),
    [](const auto &info) { return std::string(info.param.name); });

// A value longer than its field, read from a file, may be kept but not
// stored changed: the save stores nothing at all, not the other fields either.
TEST_F(MastersFixture, ASaveTheTableRefusesStoresNothing)
{
    const std::string longContact(101, 'c');
    MemoryTable &pharmacies = table(TableId::PharmID);
    pharmacies.moveFirst();
    pharmacies.setValueAsRead(*pharmacies.columnIndex("Name"), longContact);
    pharmacies.update();
    open(MasterListId::Pharmacies);
    click("cmdEdit");
    type("txtPharmID(5)", "8-6");
    QWidget *contact = control<TextBox>("txtPharmID(2)")->editor();
    contact->setFocus();
    QTest::keyClick(contact, Qt::Key_End);
    QTest::keyClick(contact, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClicks(contact, "x"); // typed over its last character
    click("cmdSave");

    ASSERT_EQ(control<TextBox>("txtPharmID(2)")->text(), QString(100, 'c') + 'x');
    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].title, "Error");
    EXPECT_TRUE(
        prompter.boxes[0].text.startsWith("An error occurred while saving a master record."))
        << prompter.boxes[0].text.toStdString();
    EXPECT_TRUE(editor->editing());
    pharmacies.moveFirst();
    EXPECT_EQ(pharmacies.value("Hours"), "9-5");
    EXPECT_EQ(pharmacies.value("Name"), longContact);
    EXPECT_EQ(pharmacies.value("STATUS"), "0x0000");
}

// ---- Keys

struct EnterCase {
    const char *name;
    MasterListId list;
    const char *from;
    const char *to; // where Enter moves the focus; nullptr: it stays
};

void PrintTo(const EnterCase &c, std::ostream *out)
{
    *out << c.name;
}

class EnterKey : public MastersFixture, public ::testing::WithParamInterface<EnterCase> { };

TEST_P(EnterKey, MovesToTheNextEntryOrStays)
{
    const EnterCase &c = GetParam();
    open(c.list);
    click("cmdNew");
    const QStringList rowsBefore = rows(masterListDefinition(c.list).table);
    QWidget *from = control<QWidget>(c.from);
    from->setFocus();
    QWidget *keys = QApplication::focusWidget();
    ASSERT_TRUE(keys == from || from->isAncestorOf(keys)) << c.from;
    QTest::keyClick(keys, Qt::Key_Return);

    QWidget *to = control<QWidget>(c.to ? c.to : c.from);
    QWidget *focus = QApplication::focusWidget();
    EXPECT_TRUE(focus == to || to->isAncestorOf(focus))
        << (focus ? focus->objectName().toStdString() : "none");
    // Enter pressed no button: still editing, nothing stored.
    EXPECT_TRUE(editor->editing());
    EXPECT_TRUE(prompter.boxes.isEmpty());
    EXPECT_EQ(rows(masterListDefinition(c.list).table), rowsBefore);
}

INSTANTIATE_TEST_SUITE_P(MasterLists, EnterKey,
    ::testing::Values(
        EnterCase {"ContactFirstToLast", MasterListId::Contacts, "txtConID(1)", "txtConID(2)"},
        EnterCase {"ContactMobileOverOtherPhoneToAddress", MasterListId::Contacts, "txtConID(5)",
            "txtConID(7)"},
        EnterCase {"ContactAddressTakesALine", MasterListId::Contacts, "txtConID(7)", nullptr},
        EnterCase {"InsuranceCompanyToType", MasterListId::Insurance, "txtInsID(1)", "cboInsType"},
        EnterCase {"InsurancePolicyToDate", MasterListId::Insurance, "txtInsID(4)", "dtInsDate"},
        EnterCase {"InsuranceFaxToAddress", MasterListId::Insurance, "txtInsID(7)", "txtInsID(8)"},
        EnterCase {"LocationStays", MasterListId::Locations, "txtLocation(0)", nullptr},
        EnterCase {
            "PharmacyHoursToAddress", MasterListId::Pharmacies, "txtPharmID(5)", "txtPharmID(6)"},
        EnterCase {
            "PharmacyWebsiteToNotes", MasterListId::Pharmacies, "txtPharmID(8)", "txtPharmID(9)"},
        EnterCase {
            "ProviderNameToType", MasterListId::Providers, "txtProvID(1)", "cboProviderType"},
        EnterCase {"ProviderFaxToLocation", MasterListId::Providers, "txtProvID(5)",
            "cboProviderLocation"},
        EnterCase {
            "ProviderLocationStays", MasterListId::Providers, "cboProviderLocation", nullptr},
        EnterCase {"ProviderTypeStays", MasterListId::ProviderTypes, "txtProvType(0)", nullptr}),
    [](const auto &info) { return testName(info.param.name); });

TEST_F(MastersFixture, EnterOnAButtonPressesIt)
{
    open(MasterListId::Locations);
    auto *edit = control<QPushButton>("cmdEdit");
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_TRUE(editor->editing());
}

// ---- Cancel and Close

TEST_F(MastersFixture, CancelShowsTheStoredItemAgainAndStoresNothing)
{
    open(MasterListId::Contacts);
    const QStringList before = rows(TableId::ConID);
    click("cmdEdit");
    type("txtConID(2)", "Smythe");
    click("cmdCancel");
    EXPECT_FALSE(editor->editing());
    EXPECT_EQ(shown("txtConID(2)"), "Smith");
    EXPECT_FALSE(control<QWidget>("txtConID(2)")->isEnabled());
    EXPECT_TRUE(control<QComboBox>("cboMasterList")->isEnabled());
    EXPECT_EQ(rows(TableId::ConID), before);
}

TEST_F(MastersFixture, CloseWhileEditingAsksFirst)
{
    open(MasterListId::Contacts);
    const QStringList before = rows(TableId::ConID);
    click("cmdEdit");
    type("txtConID(2)", "Smythe");

    // Yes: back to the item as typed.
    prompter.setNextAnswers({Prompter::Yes});
    click("cmdClose");
    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].title, "Changes Pending");
    EXPECT_EQ(prompter.boxes[0].text, "Do you want to go back and save this item?");
    EXPECT_EQ(prompter.boxes[0].buttons, Prompter::YesNo);
    EXPECT_EQ(prompter.boxes[0].icon, Prompter::Question);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(editor->editing());
    EXPECT_EQ(shown("txtConID(2)"), "Smythe");

    // Escape asks the same; No closes, and nothing is stored.
    prompter.setNextAnswers({Prompter::No});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(prompter.boxes.size(), 2);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(rows(TableId::ConID), before);
}

TEST_F(MastersFixture, CloseWhileBrowsingClosesAtOnce)
{
    open(MasterListId::Contacts);
    click("cmdClose");
    EXPECT_FALSE(editor->isVisible());
    EXPECT_TRUE(prompter.boxes.isEmpty());
}

// ---- An empty list

TEST_F(MastersFixture, AnEmptyListShowsNothingAndTakesANewItem)
{
    open(MasterListId::Pharmacies);
    click("cmdDelete");
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_FALSE(control<QPushButton>("cmdEdit")->isVisible());
    EXPECT_FALSE(control<QPushButton>("cmdDelete")->isVisible());
    EXPECT_EQ(shown("txtPharmID(1)"), "") << "the deleted item is not shown";

    click("cmdNew");
    type("txtPharmID(1)", "Late Night Drug");
    click("cmdCancel");
    EXPECT_FALSE(control<QWidget>("txtPharmID(1)")->isEnabled());
    EXPECT_EQ(shown("txtPharmID(1)"), "");
    EXPECT_EQ(rows(TableId::PharmID), (QStringList {"0x00000025 0x0002 20090306080300p"}));

    click("cmdNew");
    type("txtPharmID(1)", "Late Night Drug");
    click("cmdSave");
    EXPECT_EQ(listed(), (QStringList {"Late Night Drug"}));
    EXPECT_TRUE(control<QPushButton>("cmdEdit")->isVisible());
}

// ---- The provider panel's lists

TEST_F(MastersFixture, ALocationAddedIsOfferedToTheProvidersAtOnce)
{
    open(MasterListId::Locations);
    click("cmdNew");
    type("txtLocation(0)", "Mercy Hospital");
    click("cmdSave");
    control<QComboBox>("cboMasterList")->setCurrentIndex(int(MasterListId::Providers));
    auto *locations = control<QComboBox>("cboProviderLocation");
    QStringList offered;
    for (int i = 0; i < locations->count(); ++i)
        offered << locations->itemText(i);
    EXPECT_EQ(offered, (QStringList {"Clinic", "Mercy Hospital", "St. Mary's"}));
    EXPECT_EQ(shown("cboProviderLocation"), "Clinic") << "Dr. Who's location";
}

TEST_F(MastersFixture, TypingStopsAtTheFieldsSize)
{
    const struct {
        MasterListId list;
        const char *control;
        int size;
    } cases[] = {
        {MasterListId::Locations, "txtLocation(0)", 100}, // a topic record's Location
        {MasterListId::ProviderTypes, "txtProvType(0)", 50}, // a provider's Type
        {MasterListId::Providers, "cboProviderLocation", 100},
        {MasterListId::Providers, "txtProvID(3)", 20},
        {MasterListId::Contacts, "txtConID(8)", 2000},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.control);
        open(c.list);
        click("cmdNew");
        type(c.control, QString(c.size + 5, 'a'));
        EXPECT_EQ(shown(c.control).size(), c.size);
    }
}

// What the user types or pastes is stored as the box shows it: a character
// the table files cannot hold is refused, a key with a beep, a paste with one
// message naming what was left out.
struct StoredNameCase {
    const char *name;
    Bringing how;
    QString brought, shown;
    QStringList told; // the message boxes' texts
};

void PrintTo(const StoredNameCase &c, std::ostream *out)
{
    *out << c.name;
}

class StoredName : public MastersFixture, public ::testing::WithParamInterface<StoredNameCase> { };

TEST_P(StoredName, IsWhatTheBoxShows)
{
    const StoredNameCase &c = GetParam();
    open(MasterListId::Providers);
    click("cmdNew");
    bringText(control<TextBox>("txtProvID(1)")->editor(), c.brought, c.how);
    QCoreApplication::processEvents();
    EXPECT_EQ(shown("txtProvID(1)"), c.shown);
    QStringList told;
    for (const FakePrompter::Box &box : prompter.boxes)
        told << box.text;
    EXPECT_EQ(told, c.told);
    prompter.boxes.clear();
    click("cmdSave");

    EXPECT_EQ(shown("txtProvID(1)"), c.shown);
    EXPECT_EQ(selected(), c.shown);
    MemoryTable &providers = table(TableId::ProvID);
    providers.moveFirst();
    ASSERT_TRUE(providers.find(Criterion::equal("Key", clockKey)));
    EXPECT_EQ(Cp1252::toUnicode(std::string(providers.value("Name"))), c.shown);
    saveAll();
    // A new provider takes no type or location from the one shown before.
    const QString line = QStringLiteral(R"(0x00000000,0x0008,"%1","%2","","","","","",)")
                             .arg(QLatin1String(clockKey), c.shown)
        + QStringLiteral(R"("","","","","","","","")");
    EXPECT_TRUE(fileLines(TableId::ProvID).contains(line))
        << fileLines(TableId::ProvID).join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Ways, StoredName,
    ::testing::Values(StoredNameCase {"Typed", Bringing::Typed, "Dr. Łukasz Nowak → Zoë",
                          "Dr. ukasz Nowak  Zoë", {}},
        StoredNameCase {"Pasted", Bringing::Pasted, "Dr. Łukasz Nowak → Zoë",
            "Dr. ukasz Nowak  Zoë",
            {"These characters cannot be stored in the records and were left out:\r\n\r\n"
             "Ł →\r\n\r\n"
             "The records hold only Western European (Windows-1252) characters."}}),
    [](const auto &info) { return testName(info.param.name); });

// A screen reader meets every control of every list's panel by its caption.
TEST_F(MastersFixture, EveryControlIsNamedByItsCaption)
{
    open(MasterListId::Insurance);
    EXPECT_GT(expectNamedByCaptions(*editor), 0u);
    for (const auto &[name, caption] : {std::pair {"txtInsID(1)", "Company:"},
             std::pair {"dtInsDate", "Date:"}, std::pair {"txtConID(7)", "Address:"}})
        expectNamed(control<QWidget>(name), QString::fromLatin1(caption));
}

// The session ends while an item is being typed and the question of Close is
// open, as the main window ends it: the windows end unanswered. Nothing of the
// item is stored, and the error log says in one line what was left out.
TEST_F(MastersFixture, AnItemBeingTypedWhenTheSessionEndsIsLeftOutAndLogged)
{
    Installation installation;
    installation.dataFolder = dir.path() + "/";
    context->setInstallation(installation);
    const QStringList before = rows(TableId::ConID);
    ModalWindowEnder ender;
    bool asked = false;
    QTimer::singleShot(0, [&] {
        auto *shown = qobject_cast<MasterListEditor *>(QApplication::activeModalWidget());
        ASSERT_NE(shown, nullptr);
        findControl<QPushButton>(*shown, "cmdEdit")->click();
        QTest::keyClicks(findControl<TextBox>(*shown, "txtConID(2)")->editor(), "Smythe");
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            asked = box && box->windowTitle() == "Changes Pending";
            context->endedBy = "SIGTERM";
            ender.start();
        });
        findControl<QPushButton>(*shown, "cmdClose")->click();
    });
    installPrompter(nullptr); // real boxes
    MasterListEditor::edit(*context, MasterListId::Contacts);
    installPrompter(&prompter);

    EXPECT_TRUE(asked);
    EXPECT_EQ(rows(TableId::ConID), before);
    const QString log = QString::fromLatin1(readFile(installation.dataFolder + "errorlog.txt"));
    EXPECT_EQ(log.count("Error Information:\r\nThe program was ended by SIGTERM while an item of "
                        "the Master Contact List was being entered; what was typed was not "
                        "saved.\r\n"),
        1)
        << log.toStdString();
}
