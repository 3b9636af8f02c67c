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
// dragging it there.
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
        // A drop comes to the edit its drag entered.
        QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &dropped, Qt::LeftButton, {});
        QApplication::sendEvent(&edit, &enter);
        QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &dropped, Qt::LeftButton, {});
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
// so what is stored, is a space for each, however it came in.
TEST(TypingLimit, ALineBreakOrTabBroughtIntoOneLineIsASpace)
{
    struct Brought {
        QString text, kept;
        int limit = 0;
    };
    // A break takes one place in a box with a limit, as the space it becomes.
    const Brought cases[] = {
        {"Flu\r\nsecond line\tTabbed", "Flu second line Tabbed"},
        {"a\rb\nc\r\n\r\nd", "a b c  d"},
        {"\t", " "},
        {"ab\r\ncdef", "ab cd", 5},
    };
    for (const Brought &brought : cases) {
        for (const Way way : {Way::Paste, Way::Drop}) {
            SCOPED_TRACE(brought.text.toStdString() + " " + std::to_string(int(way)));
            FakePrompter prompter;
            QLineEdit edit;
            TypingLimit::of(&edit)->setLimit(brought.limit);
            bring(edit, brought.text, way);
            EXPECT_EQ(edit.text(), brought.kept);
            EXPECT_EQ(edit.cursorPosition(), brought.kept.size());
            EXPECT_TRUE(prompter.boxes.isEmpty());
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
