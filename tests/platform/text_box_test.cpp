#include <gtest/gtest.h>

#include "platform/text_box.h"

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
