#include <gtest/gtest.h>

#include "documents/text_measurer.h"

#include <QFont>
#include <QTextLayout>

using namespace vantorelle;

namespace {

QFont testFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(200);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

struct WrapCase {
    const char *name;
    QString text;
    qreal width;
    std::vector<QString> lines;
};

void PrintTo(const WrapCase &wrapCase, std::ostream *out)
{
    *out << wrapCase.name;
}

class Wrap : public ::testing::TestWithParam<WrapCase> { };

} // namespace

TEST_P(Wrap, BreaksAtLineBreaksAndWrapsWithinTheWidth)
{
    const WrapCase &wrapCase = GetParam();
    std::vector<QString> lines;
    TextMeasurer(testFont()).wrap(wrapCase.text, wrapCase.width, lines);
    EXPECT_EQ(lines, wrapCase.lines);
}

// Widths in the units of a 200-unit font: "word" is about 500 wide.
INSTANTIATE_TEST_SUITE_P(Texts, Wrap,
    ::testing::Values(WrapCase {"ShortTextOnOneLine", "120/80", 5000, {"120/80"}},
        WrapCase {"EmptyTextIsOneEmptyLine", "", 5000, {""}},
        WrapCase {"SeparatorsAreCharacters", "a|b~c", 5000, {"a|b~c"}},
        WrapCase {"CrLfCrAndLfBreakLines", "one\r\ntwo\rthree\nfour", 5000,
            {"one", "two", "three", "four"}},
        WrapCase {"BlankLineKept", "one\r\n\r\ntwo", 5000, {"one", "", "two"}},
        WrapCase {"BeyondLatin1OnOneLine", QString::fromUtf8("Zo\u00eb \u0150 \u20ac5"), 5000,
            {QString::fromUtf8("Zo\u00eb \u0150 \u20ac5")}},
        WrapCase {
            "WrapsAtWordBoundaries", "word word word word", 1300, {"word word", "word word"}}),
    [](const ::testing::TestParamInfo<WrapCase> &info) { return std::string(info.param.name); });

TEST(TextMeasurer, BreaksAWordWiderThanTheWidthAnywhere)
{
    const TextMeasurer measurer(testFont());
    const QString word = QStringLiteral("Hydrochlorothiazide-Triamterene");
    std::vector<QString> lines;
    measurer.wrap(word, 1000, lines);
    ASSERT_GT(lines.size(), 1u);
    QString joined;
    for (const QString &line : lines) {
        EXPECT_LE(measurer.width(line), 1000) << line.toStdString();
        joined += line;
    }
    EXPECT_EQ(joined, word);
}

TEST(TextMeasurer, OneLineMeasuredQuicklyAgreesWithAFullLayout)
{
    // The quick sum of advances decides that a cell fits; a full layout of the
    // same text in the same width must not wrap it.
    const QFont font = testFont();
    const TextMeasurer measurer(font);
    const QString texts[] = {"Blood Pressure", "12/31/2024 11:59 PM", "WAVE AWAY Tokyo",
        "Dr. Quentin Abernathy-Smythe", QString::fromUtf8("Ren\u00e9e \u00c5str\u00f6m")};
    for (const QString &text : texts) {
        SCOPED_TRACE(text.toStdString());
        const qreal width = measurer.width(text);
        std::vector<QString> lines;
        measurer.wrap(text, width + 1, lines);
        ASSERT_EQ(lines.size(), 1u);
        QTextLayout layout(text, font);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(width + 1);
        EXPECT_EQ(line.textLength(), text.size());
        layout.endLayout();
    }
}
