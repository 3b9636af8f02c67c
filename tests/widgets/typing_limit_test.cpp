#include <gtest/gtest.h>

#include "support/fake_prompter.h"
#include "support/typed_keys.h"
#include "widgets/typing_limit.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>

#include <ostream>
#include <string>

using namespace vantorelle;

namespace {

struct ChangeCase {
    const char *name;
    const char *before; // UTF-8
    const char *after; // the box's text after the user's change
    int limit;
    const char *shown; // the box's text once the rule is done
    const char *leftOut; // the characters the table files cannot hold, each once
};

void PrintTo(const ChangeCase &c, std::ostream *os)
{
    *os << c.name;
}

class KeptOfChange : public ::testing::TestWithParam<ChangeCase> { };

TEST_P(KeptOfChange, KeepsWhatTheTablesHoldAndTheSizeAllows)
{
    const ChangeCase &c = GetParam();
    QString shown = QString::fromUtf8(c.after);
    QString leftOut;
    if (const auto change = keptOfChange(QString::fromUtf8(c.before), shown, c.limit)) {
        shown.replace(change->inserted.position, change->inserted.count, change->kept);
        leftOut = change->leftOut;
    }
    EXPECT_EQ(shown, QString::fromUtf8(c.shown));
    EXPECT_EQ(leftOut, QString::fromUtf8(c.leftOut));
}

INSTANTIATE_TEST_SUITE_P(Changes, KeptOfChange,
    ::testing::Values(ChangeCase {"Fits", "abc", "abcd", 5, "abcd", ""},
        ChangeCase {"PasteKeepsWhatFits", "", "abcdefgh", 5, "abcde", ""},
        ChangeCase {"TypedInTheMiddle", "abcde", "abXcde", 5, "abcde", ""},
        ChangeCase {"LongValueShrinks", "abcdefgh", "abcdefg", 5, "abcdefg", ""},
        ChangeCase {"LongValueKeepsItsLength", "abcdefgh", "abXYefgh", 5, "abXYefgh", ""},
        ChangeCase {"LongValueNeverGrows", "abcdefgh", "abcdefghX", 5, "abcdefgh", ""},
        ChangeCase {"LineBreakCountsTwo", "", "a\nbcd", 5, "a\nbc", ""},
        ChangeCase {"LineBreaksTypedBetween", "ab", "a\n\nb", 4, "a\nb", ""},
        ChangeCase {"NoLimit", "", "abcdefgh", 0, "abcdefgh", ""},
        ChangeCase {"TypedOutsideCp1252", "BP 150 ", "BP 150 →", 0, "BP 150 ", "→"},
        ChangeCase {"TypedInsideCp1252", "caf", "café", 4, "café", ""},
        ChangeCase {"PasteKeepsCp1252AndNamesEachOnce", "Dr. ", "Dr. Łukasz → ł ≥ € Ł", 0,
            "Dr. ukasz    € ", "Ł→ł≥"},
        ChangeCase {"OutsideTheBasicPlane", "a", "a😀b", 0, "ab", "😀"},
        ChangeCase {"LeftOutTakesNoRoom", "", "ŁŁabcdefg", 5, "abcde", "Ł"},
        ChangeCase {"OddStoredValueStaysAsShown", "x→y", "x→yz", 0, "x→yz", ""}),
    [](const auto &info) { return std::string(info.param.name); });

// How a person brings text into a box: key by key, from the clipboard, or by
// dragging it there, onto the cursor.
enum class Way { Keys, Paste, Drop };

void bring(QLineEdit &edit, const QString &text, Way way)
{
    switch (way) {
    case Way::Keys:
        typeKeys(&edit, text);
        break;
    case Way::Paste:
        QApplication::clipboard()->setText(text);
        QTest::keySequence(&edit, QKeySequence::Paste);
        break;
    case Way::Drop: {
        QMimeData dropped;
        dropped.setText(text);
        const QPoint at = edit.inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
        // A drop comes to the edit its drag entered.
        QDragEnterEvent enter(at, Qt::CopyAction, &dropped, Qt::LeftButton, {});
        QApplication::sendEvent(&edit, &enter);
        QDropEvent drop(at, Qt::CopyAction, &dropped, Qt::LeftButton, {});
        QApplication::sendEvent(&edit, &drop);
        break;
    }
    }
    QCoreApplication::processEvents();
}

TEST(TypingLimit, HoldsAnEditableComboBox)
{
    QComboBox combo;
    combo.setEditable(true);
    TypingLimit::of(combo.lineEdit())->setLimit(3);
    QTest::keyClicks(combo.lineEdit(), QStringLiteral("abcdef"));
    EXPECT_EQ(combo.currentText(), QStringLiteral("abc"));
}

// A key is refused with a beep alone; a paste or a drop keeps what the tables
// hold and says once which characters were left out, be it one or several.
TEST(TypingLimit, APasteOrADropThatLosesCharactersSaysSoOnce)
{
    const QString told
        = QStringLiteral("These characters cannot be stored in the records and were left out:"
                         "\r\n\r\n%1\r\n\r\n"
                         "The records hold only Western European (Windows-1252) characters.");
    struct Brought {
        QString text, kept, leftOut;
    };
    for (const Brought &brought :
        {Brought {"Dr. Łukasz → café ≥ 5 €", "Dr. ukasz  café  5 €", "Ł → ≥"},
            Brought {"Ł", "", "Ł"}}) {
        for (const Way way : {Way::Keys, Way::Paste, Way::Drop}) {
            SCOPED_TRACE(brought.text.toStdString() + " " + std::to_string(int(way)));
            FakePrompter prompter;
            QLineEdit edit;
            TypingLimit::of(&edit);
            bring(edit, brought.text, way);
            EXPECT_EQ(edit.text(), brought.kept);
            if (way == Way::Keys) {
                EXPECT_TRUE(prompter.boxes.isEmpty());
                continue;
            }
            ASSERT_EQ(prompter.boxes.size(), 1);
            EXPECT_EQ(prompter.boxes[0].title, QStringLiteral("Characters Left Out"));
            EXPECT_EQ(prompter.boxes[0].text, told.arg(brought.leftOut));
            EXPECT_EQ(prompter.boxes[0].icon, Prompter::Information);
        }
    }
}

// A one-line edit shows a line break or a tab as a blank: what it keeps, and
// so what is stored, is a space for each, however it came in. Those that end
// the brought text add nothing: a copied spreadsheet cell ends in a line
// break, a cell of a row may end in a tab.
TEST(TypingLimit, ALineBreakOrTabBroughtIntoOneLineIsASpaceUnlessItEndsTheText)
{
    struct Brought {
        QString text, kept;
        int limit = 0;
        QString held = QString(); // the box's text, the cursor after its first character
    };
    const Brought cases[] = {
        {"Flu\r\nsecond line\tTabbed", "Flu second line Tabbed"},
        {"a\rb\nc\r\n\r\nd", "a b c  d"},
        {"135\r\n", "135", 5},
        {"a\tb\r\n", "a b"},
        {"1\r\n2\r\n", "1 2"},
        {"Walking\t", "Walking"},
        {"135\n\r\n\t", "135"},
        {"\r\n", ""},
        {"\t", ""},
        // A break takes one place in a box with a limit, as the space it becomes.
        {"ab\r\ncdef", "ab cd", 5},
        // A cell whose last digit is the one after the cursor.
        {"5\r\n", "155", 5, "15"},
    };
    for (const Brought &brought : cases) {
        for (const Way way : {Way::Paste, Way::Drop}) {
            SCOPED_TRACE(brought.text.toStdString() + " " + std::to_string(int(way)));
            FakePrompter prompter;
            QLineEdit edit;
            edit.show();
            TypingLimit::of(&edit)->setLimit(brought.limit);
            edit.setText(brought.held);
            const int start = brought.held.isEmpty() ? 0 : 1;
            edit.setCursorPosition(start);
            bring(edit, brought.text, way);
            EXPECT_EQ(edit.text(), brought.kept);
            // After the text brought.
            EXPECT_EQ(edit.cursorPosition(), start + brought.kept.size() - brought.held.size());
            EXPECT_TRUE(prompter.boxes.isEmpty());
        }
    }
}

// Ctrl+Z takes back what was pasted or dropped as one step, as it takes back
// the text a box keeps whole, then the typing before it: neither the breaks,
// the characters left out nor those past the size come back.
TEST(TypingLimit, UndoTakesBackThePasteThenTheTypingBeforeIt)
{
    struct Case {
        const char *name;
        Way way;
        int limit;
        QString typed, brought;
        bool selectAll; // the typed text selected (Ctrl+A) before the text is brought
        QString shown;
        QStringList undone; // the text after each Ctrl+Z
    };
    const Case cases[] = {
        {"PasteEndingInALineBreak", Way::Paste, 0, "Dr ", "Smith\r\n", false, "Dr Smith",
            {"Dr ", ""}},
        {"PasteWithBreaksAndTabs", Way::Paste, 0, "1", "2\t3\r\n4\r\n", false, "12 3 4", {"1", ""}},
        {"PastePastTheSize", Way::Paste, 5, "1", "35\r\n790", false, "135 7", {"1", ""}},
        {"PasteLosingACharacter", Way::Paste, 0, "a", "b\u2192c\r\n", false, "abc", {"a", ""}},
        {"PasteOverTheTypedText", Way::Paste, 5, "120", "135\r\n", true, "135", {"120", ""}},
        {"PasteKeptWhole", Way::Paste, 5, "1", "35", false, "135", {"1", ""}},
        // Typing is one step, cut at the size or not.
        {"TypedPastTheSize", Way::Keys, 3, "", "12345", false, "123", {""}},
        // Dropped where the cursor stood after the typing: one step with it,
        // as in any box.
        {"DropEndingInALineBreak", Way::Drop, 5, "1", "35\r\n", false, "135", {""}},
    };
    for (const Case &c : cases) {
        for (const bool inCombo : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (inCombo ? " in a combo box" : ""));
            FakePrompter prompter;
            QComboBox combo;
            combo.setEditable(true);
            QLineEdit plain;
            QLineEdit &edit = inCombo ? *combo.lineEdit() : plain;
            QWidget &keys = inCombo ? static_cast<QWidget &>(combo) : plain;
            keys.show();
            TypingLimit::of(&edit)->setLimit(c.limit);
            QTest::keyClicks(&keys, c.typed);
            if (c.selectAll)
                QTest::keySequence(&keys, QKeySequence::SelectAll);
            bring(edit, c.brought, c.way);
            EXPECT_EQ(edit.text(), c.shown);
            for (const QString &undone : c.undone) {
                QTest::keySequence(&keys, QKeySequence::Undo);
                EXPECT_EQ(edit.text(), undone);
            }
            EXPECT_FALSE(edit.isUndoAvailable());
            for (int step = 0; step < 5 && edit.isRedoAvailable(); ++step)
                QTest::keySequence(&keys, QKeySequence::Redo);
            EXPECT_EQ(edit.text(), c.shown);
        }
    }
}

// Keys typed on an editable combo box reach its edit through the box itself.
TEST(TypingLimit, AKeyTypedOnAnEditableComboBoxIsRefusedWithoutAMessage)
{
    FakePrompter prompter;
    QComboBox combo;
    combo.setEditable(true);
    TypingLimit::of(combo.lineEdit());
    typeKeys(&combo, QStringLiteral("Dr. Łukasz →"));
    QCoreApplication::processEvents();
    EXPECT_EQ(combo.currentText(), QStringLiteral("Dr. ukasz "));
    EXPECT_TRUE(prompter.boxes.isEmpty());
}

} // namespace
