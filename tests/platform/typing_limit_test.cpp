#include <gtest/gtest.h>

#include "platform/typing_limit.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <optional>

#include <ostream>
#include <string>

using namespace vantorelle;

namespace {

struct LimitCase {
    const char *name;
    const char *before;
    const char *after;
    int limit;
    std::optional<TextRange> cut;
};

void PrintTo(const LimitCase &c, std::ostream *os)
{
    *os << c.name;
}

class TypedBeyondLimit : public ::testing::TestWithParam<LimitCase> { };

TEST_P(TypedBeyondLimit, CutsOnlyWhatTheChangeBroughtTooMuch)
{
    const LimitCase &c = GetParam();
    EXPECT_EQ(
        typedBeyondLimit(QString::fromLatin1(c.before), QString::fromLatin1(c.after), c.limit),
        c.cut);
}

INSTANTIATE_TEST_SUITE_P(Changes, TypedBeyondLimit,
    ::testing::Values(LimitCase {"Fits", "abc", "abcd", 5, std::nullopt},
        LimitCase {"PasteKeepsWhatFits", "", "abcdefgh", 5, TextRange {5, 3}},
        LimitCase {"TypedInTheMiddle", "abcde", "abXcde", 5, TextRange {2, 1}},
        LimitCase {"LongValueShrinks", "abcdefgh", "abcdefg", 5, std::nullopt},
        LimitCase {"LongValueKeepsItsLength", "abcdefgh", "abXYefgh", 5, std::nullopt},
        LimitCase {"LongValueNeverGrows", "abcdefgh", "abcdefghX", 5, TextRange {8, 1}},
        LimitCase {"LineBreakCountsTwo", "", "a\nbcd", 5, TextRange {4, 1}},
        LimitCase {"LineBreaksTypedBetween", "ab", "a\n\nb", 4, TextRange {2, 1}},
        LimitCase {"NoLimit", "", "abcdefgh", 0, std::nullopt}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(TypingLimit, HoldsAnEditableComboBox)
{
    QComboBox combo;
    combo.setEditable(true);
    TypingLimit::of(combo.lineEdit())->setLimit(3);
    QTest::keyClicks(combo.lineEdit(), QStringLiteral("abcdef"));
    EXPECT_EQ(combo.currentText(), QStringLiteral("abc"));
}

} // namespace
