#include "editor_fixture.h"

#include "editor/contacts_panel.h"
#include "editor/insurance_panel.h"
#include "editor/topic_panel.h"
#include "store/criterion.h"
#include "store/keys.h"
#include "store/topics.h"
#include "support/typed_keys.h"
#include "widgets/date_time_picker.h"
#include "widgets/text_box.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace vantorelle;

namespace {

// tests/data/editor_personal: Ann Lee is linked to the insurance company Acme
// Health and to the contact Carl Dunn; Bob Kerr has no links. Blue Shield and
// Dora Ames are linked to nobody.
const QString annKey = QStringLiteral("20090305070809p");
const QString bobKey = QStringLiteral("20100101080000p");
const std::string now = "20260307090500p";

// One of the two panels, with what the tests type and pick on it.
struct LinkCase {
    const char *label;
    Topic topic;
    TableId masters, links;
    const char *masterField; // the link's field holding the master's Key
    QStringList typed; // rows 1 and on of a new record
    QStringList renamed; // the same rows of the linked master, renamed
    QString linkedItem, linkedKey; // the master Ann is linked to
    QStringList linkedNames;
    QString otherItem, otherKey; // a master nobody is linked to
    QStringList otherNames;
    QString message;
    // The lists that offer the master list, and what they offer once the
    // typed one is saved and the linked one renamed.
    QStringList offeredBy, offered;
};

void PrintTo(const LinkCase &c, std::ostream *out)
{
    *out << c.label;
}

const LinkCase insurance {"Insurance", Topic::Insurance, TableId::InsID, TableId::InsXref, "InsID",
    {QStringLiteral("Zeta Care")}, {QStringLiteral("Acme Care")},
    QStringLiteral("Acme Health (Health)"), QStringLiteral("20240102090000p"),
    {QStringLiteral("Acme Health")}, QStringLiteral("Blue Shield (Dental)"),
    QStringLiteral("20240102090100p"), {QStringLiteral("Blue Shield")},
    QStringLiteral("The company field cannot be blank.\r\n\r\nPlease enter a company name."),
    {QStringLiteral("lstInsuranceSelect")},
    {QStringLiteral("Acme Care (Health)"), QStringLiteral("Blue Shield (Dental)"),
        QStringLiteral("Zeta Care ()")}};

const LinkCase contacts {"Contacts", Topic::Contacts, TableId::ConID, TableId::ConXref, "ConID",
    {QStringLiteral("Zed"), QStringLiteral("Yule")},
    {QStringLiteral("Carl"), QStringLiteral("Dunne")}, QStringLiteral("Carl Dunn"),
    QStringLiteral("20240103100000p"), {QStringLiteral("Carl"), QStringLiteral("Dunn")},
    QStringLiteral("Dora Ames"), QStringLiteral("20240103100100p"),
    {QStringLiteral("Dora"), QStringLiteral("Ames")},
    QStringLiteral("The name fields cannot be blank.\r\n\r\nPlease enter a full name."),
    {QStringLiteral("lstContactSelect"), QStringLiteral("cboAttorney"), QStringLiteral("cboKin")},
    {QStringLiteral("Dora Ames"), QStringLiteral("Carl Dunne"), QStringLiteral("Zed Yule")}};

// The link Key: profile, then the company (or last and first name), then the master's Key.
std::string linkKey(const QString &profile, const QStringList &names, const QString &master)
{
    const QString name = names.size() == 1 ? names[0] : names[1] + names[0];
    return keyTextOf((profile + name + master).toStdString());
}

struct Link {
    std::string key, master, status;
    bool operator==(const Link &) const = default;
};

void PrintTo(const Link &link, std::ostream *out)
{
    *out << link.key << " -> " << link.master << " " << link.status;
}

class LinkTest : public EditorFixture, public ::testing::WithParamInterface<LinkCase> {
protected:
    void SetUp() override
    {
        moreData = QStringLiteral("editor_personal");
        EditorFixture::SetUp();
    }

    TopicPanel &panel() { return *editor->panel(GetParam().topic); }
    QPushButton *pickerButton()
    {
        return GetParam().topic == Topic::Insurance ? control<QPushButton>("cmdInsuranceSelect")
                                                    : control<QPushButton>("cmdContactSelect");
    }
    QListWidget *pickerList()
    {
        return GetParam().topic == Topic::Insurance ? control<QListWidget>("lstInsuranceSelect")
                                                    : control<QListWidget>("lstContactSelect");
    }

    void selectProfile(const QString &key)
    {
        for (int i = 0; i < control<QListWidget>("lstKeys")->count(); ++i) {
            if (control<QListWidget>("lstKeys")->item(i)->text() == key)
                control<QComboBox>("cboProfiles")->setCurrentIndex(i);
        }
        showTopic(GetParam().topic);
    }

    void type(const QStringList &rows)
    {
        for (int row = 1; row <= rows.size(); ++row)
            enter(GetParam().topic, row, rows[row - 1]);
    }

    // Add, then pick `item` from the picker's list with the mouse.
    void pick(const QString &item)
    {
        editor->addRecord();
        QTest::mouseClick(pickerButton(), Qt::LeftButton);
        ASSERT_TRUE(pickerList()->isVisibleTo(main.get()));
        const QList<QListWidgetItem *> found = pickerList()->findItems(item, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        pickerList()->scrollToItem(found[0]);
        QTest::mouseClick(pickerList()->viewport(), Qt::LeftButton, {},
            pickerList()->visualItemRect(found[0]).center());
    }

    std::vector<Link> links(const QString &profile)
    {
        MemoryTable &rows = table(GetParam().links);
        std::vector<Link> found;
        const Criterion ofProfile = Criterion::startsWith("Key", profile.toStdString());
        for (rows.moveFirst(); rows.find(ofProfile); rows.moveNext())
            found.push_back(
                {std::string(rows.value("Key")), std::string(rows.value(GetParam().masterField)),
                    std::string(rows.value("STATUS"))});
        return found;
    }

    std::string masterValue(const QString &key, std::string_view field)
    {
        MemoryTable &rows = table(GetParam().masters);
        rows.moveFirst();
        if (!rows.find(Criterion::equal("Key", key.toStdString())))
            return "<missing>";
        return std::string(rows.value(field));
    }

    Link linkOf(
        const QString &profile, const QStringList &names, const QString &master, const char *status)
    {
        return {linkKey(profile, names, master), master.toStdString(), status};
    }
};

TEST_P(LinkTest, EveryNameIsRequired)
{
    const LinkCase &c = GetParam();
    selectProfile(annKey);
    for (int blank = 0; blank < c.typed.size(); ++blank) {
        editor->addRecord();
        QStringList rows = c.typed;
        rows[blank].clear();
        type(rows);
        editor->saveRecord();
        ASSERT_EQ(prompter.boxes.size(), blank + 1);
        EXPECT_EQ(prompter.boxes.last().text, c.message);
        EXPECT_TRUE(editing());
        editor->cancelEditing();
    }
    EXPECT_EQ(table(c.masters).recordCount(), 2u);
    EXPECT_EQ(table(c.links).recordCount(), 1u);
}

TEST_P(LinkTest, TypedNewIsStoredAndLinked)
{
    const LinkCase &c = GetParam();
    selectProfile(annKey);
    editor->addRecord();
    EXPECT_TRUE(pickerButton()->isVisibleTo(main.get()));
    EXPECT_EQ(pickerButton()->text(), QStringLiteral("Select"));
    EXPECT_FALSE(pickerList()->isVisibleTo(main.get()));
    type(c.typed);
    editor->saveRecord();

    const QString key = QString::fromStdString(now);
    EXPECT_EQ(masterValue(key, "STATUS"), "0x0008");
    EXPECT_EQ(masterValue(key, "REC_ID"), "0x00000000");
    EXPECT_EQ(links(annKey).size(), 2u);
    EXPECT_TRUE(std::ranges::count(links(annKey), linkOf(annKey, c.typed, key, "0x0008")));
    EXPECT_EQ(currentGridKey(), key); // the saved row is selected
}

// Showing the linked master leaves its name remembered; a new record typed
// with that very name is still a new master, and linked.
TEST_P(LinkTest, NewRecordWithTheNameLastShownIsLinked)
{
    const LinkCase &c = GetParam();
    selectProfile(annKey);
    ASSERT_TRUE(selectRecord(c.linkedKey));
    editor->editRecord();
    EXPECT_FALSE(pickerButton()->isVisibleTo(main.get()));
    editor->cancelEditing();

    editor->addRecord();
    type(c.linkedNames);
    editor->saveRecord();
    EXPECT_TRUE(std::ranges::count(
        links(annKey), linkOf(annKey, c.linkedNames, QString::fromStdString(now), "0x0008")));
    EXPECT_EQ(links(annKey).size(), 2u);
}

TEST_P(LinkTest, PickedExistingIsLinkedOnceHowEverOftenPicked)
{
    const LinkCase &c = GetParam();
    selectProfile(annKey);
    pick(c.otherItem);
    EXPECT_FALSE(pickerList()->isVisibleTo(main.get()));
    EXPECT_EQ(pickerButton()->text(), QStringLiteral("Select"));
    EXPECT_EQ(panel().keyBox->text(), c.otherKey);
    EXPECT_TRUE(editing());
    editor->saveRecord();

    const std::vector<Link> expected = {linkOf(annKey, c.linkedNames, c.linkedKey, "0x0000"),
        linkOf(annKey, c.otherNames, c.otherKey, "0x0008")};
    auto sorted = [](std::vector<Link> v) {
        std::ranges::sort(v, {}, &Link::key);
        return v;
    };
    EXPECT_EQ(sorted(links(annKey)), sorted(expected));
    EXPECT_EQ(table(c.masters).recordCount(), 2u);
    EXPECT_EQ(masterValue(c.otherKey, "STATUS"), "0x0004");

    // Picked again, and the one linked from the start: no second link.
    pick(c.otherItem);
    editor->saveRecord();
    pick(c.linkedItem);
    editor->saveRecord();
    EXPECT_EQ(sorted(links(annKey)), sorted(expected));
    EXPECT_TRUE(links(bobKey).empty());
}

// The picker by keyboard: Enter or Space on Select shows the list, which
// takes the keys; Escape closes it as the button does; the arrows move
// through it, and Enter or Space picks as a click does.
TEST_P(LinkTest, PickedByKeyboard)
{
    const LinkCase &c = GetParam();
    selectProfile(annKey);
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    const QList<QListWidgetItem *> found = pickerList()->findItems(c.otherItem, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    const int row = pickerList()->row(found[0]);
    const int last = pickerList()->count() - 1;
    ASSERT_GT(last, 0);

    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        SCOPED_TRACE(QKeySequence(key).toString().toStdString());
        editor->addRecord();
        pickerButton()->setFocus();
        pressKey(key);
        ASSERT_TRUE(pickerList()->isVisibleTo(main.get()));
        EXPECT_EQ(pickerButton()->text(), QStringLiteral("Cancel"));
        EXPECT_TRUE(pickerList()->hasFocus());
        pressKey(Qt::Key_Escape);
        EXPECT_FALSE(pickerList()->isVisibleTo(main.get()));
        EXPECT_EQ(pickerButton()->text(), QStringLiteral("Select"));
        EXPECT_TRUE(pickerButton()->hasFocus());
        EXPECT_EQ(panel().keyBox->text(), QString());

        pressKey(key);
        ASSERT_TRUE(pickerList()->hasFocus());
        // Down to the last entry, then up to the one to pick.
        pressKey(Qt::Key_Home);
        for (int i = 0; i < last; ++i)
            pressKey(Qt::Key_Down);
        for (int i = last; i > row; --i)
            pressKey(Qt::Key_Up);
        ASSERT_EQ(pickerList()->currentRow(), row);
        pressKey(key);
        EXPECT_FALSE(pickerList()->isVisibleTo(main.get()));
        EXPECT_EQ(pickerButton()->text(), QStringLiteral("Select"));
        EXPECT_EQ(panel().keyBox->text(), c.otherKey);
        EXPECT_EQ(panel().textBox(1)->text(), c.otherNames[0]);
        EXPECT_TRUE(editing());
        EXPECT_TRUE(pickerButton()->hasFocus());
        editor->cancelEditing();
    }
    EXPECT_TRUE(prompter.boxes.isEmpty()) << boxTexts().join(u'|').toStdString();
}

// A master deleted since the list was filled: the pick loads nothing.
TEST_P(LinkTest, PickOfAGoneMasterOnlyHidesTheList)
{
    const LinkCase &c = GetParam();
    selectProfile(annKey);
    MemoryTable &masters = table(c.masters);
    masters.moveFirst();
    ASSERT_TRUE(masters.find(Criterion::equal("Key", c.otherKey.toStdString())));
    masters.applyDeleteRule();

    editor->addRecord();
    QTest::mouseClick(pickerButton(), Qt::LeftButton);
    EXPECT_EQ(pickerButton()->text(), QStringLiteral("Cancel"));
    const QList<QListWidgetItem *> found = pickerList()->findItems(c.otherItem, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    QTest::mouseClick(pickerList()->viewport(), Qt::LeftButton, {},
        pickerList()->visualItemRect(found[0]).center());

    EXPECT_FALSE(pickerList()->isVisibleTo(main.get()));
    EXPECT_EQ(pickerButton()->text(), QStringLiteral("Select"));
    EXPECT_EQ(panel().keyBox->text(), QString());
    EXPECT_EQ(panel().textBox(1)->text(), QString());
}

// Bob links Ann's master and renames it: his link is replaced, Ann's stays,
// and the one master changes for both under its own Key.
TEST_P(LinkTest, EditedFromASecondProfile)
{
    const LinkCase &c = GetParam();
    selectProfile(bobKey);
    pick(c.linkedItem);
    editor->saveRecord();
    ASSERT_EQ(
        links(bobKey), (std::vector<Link> {linkOf(bobKey, c.linkedNames, c.linkedKey, "0x0008")}));

    ASSERT_TRUE(selectRecord(c.linkedKey));
    editor->editRecord();
    type(c.renamed);
    editor->saveRecord();

    EXPECT_EQ(
        links(bobKey), (std::vector<Link> {linkOf(bobKey, c.renamed, c.linkedKey, "0x0008")}));
    EXPECT_EQ(
        links(annKey), (std::vector<Link> {linkOf(annKey, c.linkedNames, c.linkedKey, "0x0000")}));
    EXPECT_EQ(masterValue(c.linkedKey, "STATUS"), "0x0004");
    EXPECT_EQ(table(c.masters).recordCount(), 2u);
    EXPECT_EQ(currentGridKey(), c.linkedKey);

    // Only a phone changed: no link is retired or added.
    ASSERT_TRUE(selectRecord(c.linkedKey));
    editor->editRecord();
    enter(c.topic, c.typed.size() == 1 ? 6 : 3, QStringLiteral("555-0999"));
    editor->saveRecord();
    EXPECT_EQ(
        links(bobKey), (std::vector<Link> {linkOf(bobKey, c.renamed, c.linkedKey, "0x0008")}));
}

// A master saved in its panel is offered at once by every list of it, in
// another profile too: a new one, a renamed one by its new name, and one whose
// link was deleted, as the master stays. A pick from the list filled again
// loads its master.
TEST_P(LinkTest, SavedMastersAreOfferedAtOnceEverywhere)
{
    const LinkCase &c = GetParam();
    const auto click = [this](const char *name) {
        QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton);
    };
    const auto typeNames = [this](const QStringList &names) {
        for (int row = 1; row <= names.size(); ++row) {
            QWidget *box = panel().textBox(row)->editor();
            box->setFocus();
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            typeKeys(box, names[row - 1]);
        }
    };
    const auto offeredBy = [this](const QString &name) {
        QStringList items;
        if (auto *list = main->findChild<QListWidget *>(name)) {
            for (int i = 0; i < list->count(); ++i)
                items << list->item(i)->text();
        } else if (auto *combo = main->findChild<QComboBox *>(name)) {
            for (int i = 0; i < combo->count(); ++i)
                items << combo->itemText(i);
        }
        return items;
    };

    selectProfile(annKey);
    click("cmdAdd");
    typeNames(c.typed);
    click("cmdNewSave");
    ASSERT_TRUE(selectRecord(c.linkedKey));
    click("cmdEdit");
    typeNames(c.renamed);
    click("cmdNewSave");
    ASSERT_TRUE(selectRecord(QString::fromStdString(now)));
    click("cmdDel");
    ASSERT_EQ(links(annKey).size(), 1u);
    ASSERT_TRUE(prompter.boxes.isEmpty()) << boxTexts().join(u'|').toStdString();

    selectProfile(bobKey);
    for (const QString &name : c.offeredBy)
        EXPECT_EQ(offeredBy(name).join(u'|').toStdString(), c.offered.join(u'|').toStdString())
            << name.toStdString();
    pick(c.offered.last());
    EXPECT_EQ(panel().keyBox->text(), QString::fromStdString(now));
    EXPECT_EQ(panel().textBox(1)->text(), c.typed[0]);
}

INSTANTIATE_TEST_SUITE_P(Panels, LinkTest, ::testing::Values(insurance, contacts),
    [](const auto &info) { return std::string(info.param.label); });

// On Ann's Insurance and Contacts topics.
class MasterPanelsTest : public EditorFixture {
protected:
    void SetUp() override
    {
        moreData = QStringLiteral("editor_personal");
        EditorFixture::SetUp();
        control<QComboBox>("cboProfiles")
            ->setCurrentIndex(
                control<QComboBox>("cboProfiles")->findText(QStringLiteral("Lee, Ann")));
        ASSERT_EQ(control<QListWidget>("lstKeys")
                      ->item(control<QComboBox>("cboProfiles")->currentIndex())
                      ->text(),
            annKey);
    }
};

TEST_F(MasterPanelsTest, InsuranceShowsItsTypeAndDateAndClearingEmptiesThem)
{
    showTopic(Topic::Insurance);
    ASSERT_TRUE(selectRecord(insurance.linkedKey));
    editor->editRecord();
    EXPECT_EQ(control<QLineEdit>("txtInsKey")->text(), insurance.linkedKey);
    EXPECT_EQ(control<QLineEdit>("txtInsIDNum")->text(), QStringLiteral("0x00000021"));
    EXPECT_EQ(control<TextBox>("txtInsID(1)")->text(), QStringLiteral("Acme Health"));
    EXPECT_EQ(control<TextBox>("txtInsID(8)")->text(), QStringLiteral("1 Main St"));
    EXPECT_EQ(control<QComboBox>("cboInsType")->currentText(), QStringLiteral("Health"));
    EXPECT_EQ(control<DateTimePicker>("dtInsDate")->storedText(), QStringLiteral("20240101"));
    EXPECT_EQ(editor->insurancePanel().shownCompany, "Acme Health");

    editor->clearPanel(Topic::Insurance);
    EXPECT_EQ(control<TextBox>("txtInsID(1)")->text(), QString());
    EXPECT_EQ(control<QComboBox>("cboInsType")->currentIndex(), -1);
    EXPECT_TRUE(control<DateTimePicker>("dtInsDate")->isNull());
    EXPECT_EQ(control<QLineEdit>("txtInsSTATUS")->text(), QStringLiteral("0x0008"));
    EXPECT_EQ(editor->insurancePanel().shownCompany, "Acme Health");
}

// The other phone has no control: an edit keeps what the handheld stored.
TEST_F(MasterPanelsTest, ContactKeepsItsOtherPhone)
{
    showTopic(Topic::Contacts);
    ASSERT_TRUE(selectRecord(contacts.linkedKey));
    editor->editRecord();
    EXPECT_EQ(control<TextBox>("txtConID(7)")->text(), QStringLiteral("2 Elm St"));
    enter(Topic::Contacts, 4, QStringLiteral("555-0122"));
    editor->saveRecord();

    MemoryTable &rows = table(TableId::ConID);
    rows.moveFirst();
    ASSERT_TRUE(rows.find(Criterion::equal("Key", contacts.linkedKey.toStdString())));
    EXPECT_EQ(rows.value("Phone2"), "555-0122");
    EXPECT_EQ(rows.value("Phone4"), "555-0124");
    EXPECT_EQ(control<QTableWidget>("gridViewer")
                  ->item(control<QTableWidget>("gridViewer")->currentRow(), 0)
                  ->text(),
        QStringLiteral("Dunn, Carl"));
}

} // namespace
