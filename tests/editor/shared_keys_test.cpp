#include "editor_fixture.h"

#include "editor/topic_panel.h"
#include "mainwin/grid_layouts.h"
#include "support/typed_keys.h"
#include "widgets/text_box.h"

#include <QTest>
#include <QTextDocument>

#include <ostream>
#include <utility>
#include <vector>

using namespace vantorelle;

// Records that share a Key, as the key recipes allow: the row a person picks
// is the one shown, edited and saved, never the first row of its Key. The
// fixture (tests/data/editor_shared_keys) holds, for every topic whose recipe
// can give equal Keys, two synchronised records of Ann Lee under one Key, the
// first before the second. The clock stands at 7 March 2026, 09:05:00.

namespace {

const QString profile = QStringLiteral("20090305070809p");

struct SharedKeyCase {
    const char *name;
    Topic topic;
    TableId table;
    QString key; // the Key both records share
    int apart; // a text box's field-table row whose value tells the two apart
    QString firstShows, secondShows; // its value in each
    std::pair<int, QString> keeps; // a change that keeps the Key
    QString kept; // the second record's line after it
    std::pair<int, QString> rekeys; // a change of a value its Key is made of
    QString newKey;
    QString replacement; // the line that takes the second's place; "*" stands for the Key
};

void PrintTo(const SharedKeyCase &c, std::ostream *os)
{
    *os << c.name;
}

const SharedKeyCase sharedKeyCases[] = {
    {"Allergies", Topic::Allergies, TableId::Allergy, profile + "pollen", 2, "Sneezing in spring",
        "Itchy eyes, worse in May", {4, "eye drops"},
        R"(0x00000112,0x0004,"20090305070809ppollen","Pollen","Itchy eyes, worse in May","","eye drops","","","")",
        {1, "Grass pollen"}, profile + "grass pollen",
        R"(0x00000000,0x0008,"*","Grass pollen","Itchy eyes, worse in May","","","","","")"},
    // An onset date left empty.
    {"Illnesses", Topic::Illnesses, TableId::Illness, profile + "00000000migraine", 2, "aura",
        "nausea", {9, "dark room"},
        R"(0x00000212,0x0004,"20090305070809p00000000migraine","Migraine","nausea","","","","","","","dark room","","","")",
        {3, "20250101"}, profile + "79749898migraine",
        R"(0x00000000,0x0008,"*","Migraine","nausea","20250101","","","","","","","","","")"},
    {"Surgeries", Topic::Surgeries, TableId::Surgery, profile + "00000000stitches", 6, "keep dry",
        "remove in 10 days", {7, "healed"},
        R"(0x00000312,0x0004,"20090305070809p00000000stitches","Stitches","","","","","remove in 10 days","healed","","","")",
        {1, "Stitches, hand"}, profile + "00000000stitches, hand",
        R"(0x00000000,0x0008,"*","Stitches, hand","","","","","remove in 10 days","","","","")"},
    {"Appointments", Topic::Appointments, TableId::Appt, profile + "7975958914:3020100101000002p",
        5, "checkup", "flu shot", {8, "bring card"},
        R"(0x00000412,0x0004,"20090305070809p7975958914:3020100101000002p","20100101000002p","20240410","14:30","","flu shot","","","bring card","","","","","")",
        {3, "15:00"}, profile + "7975958915:0020100101000002p",
        R"(0x00000000,0x0008,"*","20100101000002p","20240410","15:00","","flu shot","","","","","","","","")"},
    // Saved at the same minute and second of some hour.
    {"Medications", Topic::Medications, TableId::Med, profile + "0079749898vitamin d1234", 3,
        "1000 IU", "2000 IU", {11, "with food"},
        R"(0x00000512,0x0004,"20090305070809p0079749898vitamin d1234","Vitamin D","daily","2000 IU","","","20250101","","","","Yes","with food","","","")",
        {10, "No"}, profile + "0179749898vitamin d0500",
        R"(0x00000000,0x0008,"*","Vitamin D","daily","2000 IU","","","20250101","","","","No","","","","")"},
    {"Vaccinations", Topic::Vaccinations, TableId::Vacc, profile + "td79779898", 5, "left arm",
        "right arm", {4, "City Clinic"},
        R"(0x00000612,0x0004,"20090305070809ptd79779898","Td","20220101","","City Clinic","right arm","","","")",
        {2, "20220102"}, profile + "td79779897",
        R"(0x00000000,0x0008,"*","Td","20220102","","","right arm","","","")"},
    // One reading imported twice within one second.
    {"ImportedReadings", Topic::BloodPressure, TableId::BP, profile + "79759684916920250101120000p",
        3, "70", "75", {7, "after coffee"},
        R"(0x00000012,0x0004,"20090305070809p79759684916920250101120000p","120","80","75","20240315","08:30","","after coffee","","","")",
        {1, "125"}, profile + "79759684916920260307090500p",
        R"(0x00000000,0x0008,"*","125","80","75","20240315","08:30","","","","","")"},
};

class SharedKeys : public EditorFixture {
protected:
    SharedKeys() { moreData = QStringLiteral("editor_shared_keys"); }

    QTableWidget *grid() const { return control<QTableWidget>("gridViewer"); }
    QString viewerText() const
    {
        return control<RichTextView>("rtViewer")->document()->toPlainText();
    }

    // The grid row of the second record of `key`; -1 when none.
    int secondRowOf(const QString &key) const
    {
        const int keyColumn = gridLayout(*main->currentTopic())->keyColumn();
        bool first = true;
        for (int row = 0; row < grid()->rowCount(); ++row) {
            if (grid()->item(row, keyColumn)->text() != key)
                continue;
            if (!first)
                return row;
            first = false;
        }
        return -1;
    }

    // Lines in order, so that a comparison does not depend on the writer's order.
    static QStringList sorted(QStringList lines)
    {
        lines.sort();
        return lines;
    }

    // The fixture's two lines of the case's table: the first record, then the second.
    QStringList fixtureTwins(const SharedKeyCase &c) const
    {
        const QStringList lines = fileLines(c.table);
        EXPECT_EQ(lines.size(), 2);
        return lines;
    }

    // Shows the second record, as a click on its row does, and edits it.
    void editSecond(const SharedKeyCase &c)
    {
        showTopic(c.topic);
        const int row = secondRowOf(c.key);
        ASSERT_GE(row, 0);
        grid()->setCurrentCell(row, 0);
        EXPECT_TRUE(viewerText().contains(c.secondShows)) << viewerText().toStdString();
        EXPECT_FALSE(viewerText().contains(c.firstShows));

        editor->editRecord();
        ASSERT_TRUE(editing());
        EXPECT_EQ(editor->panel(c.topic)->textBox(c.apart)->text(), c.secondShows);
    }

    void saveAccepted()
    {
        editor->saveRecord();
        EXPECT_TRUE(prompter.boxes.isEmpty()) << boxTexts().join(u'|').toStdString();
        EXPECT_FALSE(editing());
    }
};

class SharedKeyTopic : public SharedKeys, public ::testing::WithParamInterface<SharedKeyCase> { };

} // namespace

TEST_P(SharedKeyTopic, TheSecondRecordIsShownEditedAndUpdatedInPlace)
{
    const SharedKeyCase &c = GetParam();
    const QStringList twins = fixtureTwins(c);
    editSecond(c);
    enter(c.topic, c.keeps.first, c.keeps.second);
    saveAccepted();

    // The saved record is selected again and shown, not the first of its Key.
    EXPECT_EQ(grid()->currentRow(), secondRowOf(c.key));
    EXPECT_TRUE(viewerText().contains(c.keeps.second));
    saveTables();
    EXPECT_EQ(sorted(fileLines(c.table)), sorted({twins[0], c.kept}));
}

// The row replaced, by the delete rule, is the one edited: the second,
// synchronised, stays as a tombstone.
TEST_P(SharedKeyTopic, AChangedKeyValueReplacesTheSecondRecord)
{
    const SharedKeyCase &c = GetParam();
    const QStringList twins = fixtureTwins(c);
    editSecond(c);
    enter(c.topic, c.rekeys.first, c.rekeys.second);
    saveAccepted();

    EXPECT_EQ(currentGridKey(), c.newKey);
    EXPECT_TRUE(viewerText().contains(c.secondShows));
    saveTables();
    QString tombstone = twins[1];
    tombstone.replace(QStringLiteral(",0x0000,"), QStringLiteral(",0x0002,"));
    QString replacement = c.replacement;
    replacement.replace(QStringLiteral("\"*\""), QLatin1Char('"') + c.newKey + QLatin1Char('"'));
    EXPECT_EQ(sorted(fileLines(c.table)), sorted({twins[0], tombstone, replacement}));
}

INSTANTIATE_TEST_SUITE_P(Topics, SharedKeyTopic, ::testing::ValuesIn(sharedKeyCases),
    [](const auto &info) { return std::string(info.param.name); });

// The same with the mouse and the keyboard: a click on the second row, Edit,
// the reaction typed on, Save.
TEST_F(SharedKeys, ClicksReachTheRowPicked)
{
    const SharedKeyCase &c = sharedKeyCases[0];
    const QStringList twins = fixtureTwins(c);
    showTopic(c.topic);
    const int row = secondRowOf(c.key);
    ASSERT_EQ(row, 1);
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {},
        grid()->visualItemRect(grid()->item(row, 0)).center());
    EXPECT_TRUE(viewerText().contains(c.secondShows));

    QTest::mouseClick(control<QPushButton>("cmdEdit"), Qt::LeftButton);
    ASSERT_TRUE(editing());
    QWidget *reaction = editor->panel(c.topic)->textBox(2)->editor();
    reaction->setFocus();
    QTest::keyClick(reaction, Qt::Key_End);
    typeKeys(reaction, QStringLiteral(", both eyes"));
    QTest::mouseClick(control<QPushButton>("cmdNewSave"), Qt::LeftButton);
    EXPECT_FALSE(editing());

    EXPECT_EQ(grid()->currentRow(), row);
    EXPECT_TRUE(viewerText().contains(QStringLiteral("worse in May, both eyes")));
    saveTables();
    EXPECT_EQ(sorted(fileLines(c.table)),
        sorted({twins[0],
            R"(0x00000112,0x0004,"20090305070809ppollen","Pollen","Itchy eyes, worse in May, both eyes","","","","","")"}));
}
