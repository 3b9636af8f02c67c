#include <gtest/gtest.h>

#include "platform/typing_limit.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <optional>

namespace {

struct LimitCase {
    const char *before;
    const char *after;
    int limit;
    std::optional<TextRange> cut;
};

class TypedBeyondLimit : public ::testing::TestWithParam<LimitCase> { };

TEST_P(TypedBeyondLimit, CutsOnlyWhatTheChangeBroughtTooMuch)
{
    const LimitCase &c = GetParam();
    EXPECT_EQ(
        typedBeyondLimit(QString::fromLatin1(c.before), QString::fromLatin1(c.after), c.limit),
        c.cut);
}

INSTANTIATE_TEST_SUITE_P(Changes, TypedBeyondLimit,
    ::testing::Values(LimitCase {"abc", "abcd", 5, std::nullopt}, // fits
        LimitCase {"", "abcdefgh", 5, TextRange {5, 3}}, // a paste keeps what fits
        LimitCase {"abcde", "abXcde", 5, TextRange {2, 1}}, // typed in the middle
        LimitCase {"abcdefgh", "abcdefg", 5, std::nullopt}, // a long value shrinks
        LimitCase {"abcdefgh", "abXYefgh", 5, std::nullopt}, // or keeps its length
        LimitCase {"abcdefgh", "abcdefghX", 5, TextRange {8, 1}}, // but never grows
        LimitCase {"", "a\nbcd", 5, TextRange {4, 1}}, // a line break counts two
        LimitCase {"ab", "a\n\nb", 4, TextRange {2, 1}},
        LimitCase {"", "abcdefgh", 0, std::nullopt})); // no limit

TEST(TypingLimit, HoldsAnEditableComboBox)
{
    QComboBox combo;
    combo.setEditable(true);
    TypingLimit::of(combo.lineEdit())->setLimit(3);
    QTest::keyClicks(combo.lineEdit(), QStringLiteral("abcdef"));
    EXPECT_EQ(combo.currentText(), QStringLiteral("abc"));
}

} // namespace
