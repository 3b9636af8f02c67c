#include "history_fixture.h"

#include "support/typed_keys.h"
#include "widgets/text_box.h"

#include <QTest>

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
    EXPECT_TRUE(control<RichTextView>("rtViewer")->toPlainText().contains(c.shown))
        << control<RichTextView>("rtViewer")->toPlainText().toStdString();
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
             "The records hold only Western European (Windows-1252) characters."}}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
