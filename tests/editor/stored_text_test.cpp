#include "history_fixture.h"

#include "support/typed_keys.h"
#include "widgets/text_box.h"

#include <QTest>
#include <QTextDocument>

#include <ostream>
#include <string>

using namespace vantorelle;

// What the user types or pastes into an entry panel is stored as the box shows
// it: a character the table files cannot hold is refused, a key with a beep, a
// paste with one message naming what was left out.

namespace {

struct NoteCase {
    const char *name;
    Bringing how;
    QString brought, shown;
    QStringList told; // the message boxes' texts
};

void PrintTo(const NoteCase &c, std::ostream *os)
{
    *os << c.name;
}

class StoredNote : public HistoryFixture, public ::testing::WithParamInterface<NoteCase> { };

TEST_P(StoredNote, IsWhatTheBoxShows)
{
    const NoteCase &c = GetParam();
    add(Topic::BloodPressure);
    enter(Topic::BloodPressure, 1, QStringLiteral("150"));
    enter(Topic::BloodPressure, 2, QStringLiteral("95"));
    TextBox *notes = panel(Topic::BloodPressure).textBox(7);
    bringText(notes->editor(), c.brought, c.how);
    QCoreApplication::processEvents();
    EXPECT_EQ(notes->text(), c.shown);
    EXPECT_EQ(boxTexts(), c.told);
    prompter.boxes.clear();
    saveAccepted();

    ASSERT_TRUE(findRecord(TableId::BP, QString::fromLatin1(newKey)));
    EXPECT_EQ(Cp1252::toUnicode(field(TableId::BP, "Notes")), c.shown);
    // The viewer's raw text: its plain text shows a no-break space as a space.
    const QString viewed = control<RichTextView>("rtViewer")->document()->toRawText();
    EXPECT_TRUE(viewed.contains(c.shown)) << viewed.toStdString();
    saveTables();
    const QString line = withKey(
        QStringLiteral(R"(0x00000000,0x0008,"*","150","95","","20260307","09:05","","%1","","","")")
            .arg(c.shown),
        QString::fromLatin1(newKey));
    EXPECT_TRUE(fileLines(TableId::BP).contains(line))
        << fileLines(TableId::BP).join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Ways, StoredNote,
    ::testing::Values(NoteCase {"Typed", Bringing::Typed, "BP 150 → call Dr. Łukasz",
                          "BP 150  call Dr. ukasz", {}},
        NoteCase {"Pasted", Bringing::Pasted, "BP 150 → call Dr. Łukasz, café 5 €",
            "BP 150  call Dr. ukasz, café 5 €",
            {"These characters cannot be stored in the records and were left out:\r\n\r\n"
             "→ Ł\r\n\r\n"
             "The records hold only Western European (Windows-1252) characters."}},
        // The records hold a no-break space (0xA0): it stays one.
        NoteCase {"PastedNoBreakSpace", Bringing::Pasted, "take 5\u00A0mg", "take 5\u00A0mg", {}}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace

// A note the handheld stored with a no-break space keeps it when the user
// adds to the note.
TEST_F(HistoryFixture, ANoBreakSpaceInAStoredNoteSurvivesAnEdit)
{
    const QString key = QStringLiteral("20090305070809p79759684916920240315083100p");
    ASSERT_TRUE(findRecord(TableId::BP, key));
    table(TableId::BP)
        .setValue("Notes",
            "after\xA0"
            "a walk");
    edit(Topic::BloodPressure, key);
    QWidget *notes = panel(Topic::BloodPressure).textBox(7)->editor();
    notes->setFocus();
    QTest::keyClick(notes, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(notes, QStringLiteral(" uphill"));
    saveAccepted();

    ASSERT_TRUE(findRecord(TableId::BP, key));
    EXPECT_EQ(field(TableId::BP, "Notes"),
        "after\xA0"
        "a walk uphill");
}

// A one-line box shows a pasted line break or tab as a blank: it keeps a
// space for each, so the record and its Key hold the text the box shows.
TEST_F(HistoryFixture, ALineBreakOrTabPastedIntoOneLineIsStoredAsTheSpaceShown)
{
    add(Topic::Illnesses);
    TextBox *name = panel(Topic::Illnesses).textBox(1);
    bringText(
        name->editor(), QStringLiteral("Flu\r\nsecond line\tTabbed\nthird"), Bringing::Pasted);
    QCoreApplication::processEvents();
    const QString shown = QStringLiteral("Flu second line Tabbed third");
    EXPECT_EQ(name->text(), shown);
    saveAccepted();

    const QString key = QString::fromLatin1(profileKey) + "00000000flu second line tabbed third";
    ASSERT_TRUE(findRecord(TableId::Illness, key));
    EXPECT_EQ(Cp1252::toUnicode(field(TableId::Illness, "Illness")), shown);
}

// A cell copied from a spreadsheet ends in a line break, a cell of a copied
// row may end in a tab: pasted into a reading's box, the number is stored
// without them.
TEST_F(HistoryFixture, ACopiedCellIsStoredWithoutItsEnd)
{
    add(Topic::BloodPressure);
    TopicPanel &bp = panel(Topic::BloodPressure);
    bringText(bp.textBox(1)->editor(), QStringLiteral("135\r\n"), Bringing::Pasted);
    bringText(bp.textBox(2)->editor(), QStringLiteral("85\t"), Bringing::Pasted);
    bringText(bp.textBox(3)->editor(), QStringLiteral("7\r\n2\r\n"), Bringing::Pasted);
    QCoreApplication::processEvents();
    EXPECT_EQ(bp.textBox(1)->text(), QStringLiteral("135"));
    saveAccepted();

    ASSERT_TRUE(findRecord(TableId::BP, QString::fromLatin1(newKey)));
    EXPECT_EQ(field(TableId::BP, "SBP"), "135");
    EXPECT_EQ(field(TableId::BP, "DBP"), "85");
    EXPECT_EQ(field(TableId::BP, "Pulse"), "7 2");
}
