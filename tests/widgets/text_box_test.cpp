#include <gtest/gtest.h>

#include "support/fake_prompter.h"
#include "widgets/text_box.h"

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
