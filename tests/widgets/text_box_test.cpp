#include <gtest/gtest.h>

#include "support/fake_prompter.h"
#include "widgets/text_box.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

using namespace vantorelle;

namespace {

TEST(TextBox, TypingStopsAtTheLimit)
{
    TextBox box(TextBox::Lines::One);
    box.setMaxLength(5);
    QTest::keyClicks(box.editor(), QStringLiteral("1234567"));
    EXPECT_EQ(box.text(), QStringLiteral("12345"));
}

TEST(TextBox, PasteKeepsWhatFits)
{
    TextBox box(TextBox::Lines::One);
    box.setMaxLength(5);
    box.setText(QStringLiteral("12"));
    QApplication::clipboard()->setText(QStringLiteral("abcdefgh"));
    qobject_cast<QLineEdit *>(box.editor())->end(false);
    QTest::keySequence(box.editor(), QKeySequence::Paste);
    EXPECT_EQ(box.text(), QStringLiteral("12abc"));
}

TEST(TextBox, ProgramTextIsNeverCutButTypingCannotLengthenIt)
{
    TextBox box(TextBox::Lines::One);
    box.setMaxLength(5);
    box.setText(QStringLiteral("1234567890"));
    EXPECT_EQ(box.text(), QStringLiteral("1234567890"));
    QTest::keyClicks(box.editor(), QStringLiteral("x"));
    EXPECT_EQ(box.text(), QStringLiteral("1234567890"));
    QTest::keyClick(box.editor(), Qt::Key_Backspace);
    EXPECT_EQ(box.text(), QStringLiteral("123456789"));
}

TEST(TextBox, NotesCountALineBreakAsTwo)
{
    TextBox box(TextBox::Lines::Many);
    box.setMaxLength(10);
    QTest::keyClicks(box.editor(), QStringLiteral("abcd"));
    QTest::keyClick(box.editor(), Qt::Key_Return);
    QTest::keyClicks(box.editor(), QStringLiteral("efghij"));
    EXPECT_EQ(box.text(), QStringLiteral("abcd\nefgh"));

    box.setText(QStringLiteral("a stored note longer than ten"));
    EXPECT_EQ(box.text(), QStringLiteral("a stored note longer than ten"));
}

} // namespace

// The refusal joins the paste in the undo history: one undo takes the whole
// paste back, and nothing refused comes back with it.
TEST(TextBox, OneUndoTakesBackARefusedPaste)
{
    FakePrompter prompter;
    TextBox box(TextBox::Lines::Many);
    QTest::keyClicks(box.editor(), QStringLiteral("ab"));
    QApplication::clipboard()->setText(QStringLiteral("c\u2192d"));
    QTest::keySequence(box.editor(), QKeySequence::Paste);
    QCoreApplication::processEvents();
    EXPECT_EQ(box.text(), QStringLiteral("abcd"));
    QTest::keySequence(box.editor(), QKeySequence::Undo);
    QCoreApplication::processEvents();
    EXPECT_EQ(box.text(), QStringLiteral("ab"));
    EXPECT_EQ(prompter.boxes.size(), 1);
}

// Text brought through the accessibility interface, as an on-screen keyboard
// or a dictation program brings it, keeps what the records hold, as typed or
// pasted text does, and the user is told what was left out.
TEST(TextBox, TextBroughtThroughAccessibilityKeepsWhatTheRecordsHold)
{
    enum class Way { Insert, Replace, SetValue };
    for (const TextBox::Lines lines : {TextBox::Lines::One, TextBox::Lines::Many}) {
        for (const Way way : {Way::Insert, Way::Replace, Way::SetValue}) {
            SCOPED_TRACE(std::to_string(int(lines)) + " " + std::to_string(int(way)));
            FakePrompter prompter;
            TextBox box(lines);
            box.setText(QStringLiteral("pq"));
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(box.editor());
            ASSERT_NE(face, nullptr);
            ASSERT_NE(face->editableTextInterface(), nullptr);
            switch (way) {
            case Way::Insert:
                face->editableTextInterface()->insertText(1, QStringLiteral("\u2192"));
                break;
            case Way::Replace:
                face->editableTextInterface()->replaceText(0, 1, QStringLiteral("\u0141\u2192p"));
                break;
            case Way::SetValue:
                face->setText(QAccessible::Value, QStringLiteral("p\u2192q"));
                break;
            }
            QCoreApplication::processEvents();
            EXPECT_EQ(box.text(), QStringLiteral("pq"));
            ASSERT_EQ(prompter.boxes.size(), 1);
            EXPECT_EQ(prompter.boxes[0].title, QStringLiteral("Characters Left Out"));
        }
    }
}

// A no-break space (0xA0) is a character the records hold: the notes box
// gives it back as it was set or pasted.
TEST(TextBox, NotesKeepANoBreakSpace)
{
    TextBox box(TextBox::Lines::Many);
    box.setText(QStringLiteral("5\u00A0mg\ntwice"));
    EXPECT_EQ(box.text(), QStringLiteral("5\u00A0mg\ntwice"));
    QApplication::clipboard()->setText(QStringLiteral(" or\u00A010"));
    QTest::keyClick(box.editor(), Qt::Key_End, Qt::ControlModifier);
    QTest::keySequence(box.editor(), QKeySequence::Paste);
    EXPECT_EQ(box.text(), QStringLiteral("5\u00A0mg\ntwice or\u00A010"));
}
