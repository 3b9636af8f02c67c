#include "exchange/import_line_parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vantorelle;
using Result = ImportLineParser::Result;

namespace {

struct ParserCase {
    const char *name;
    std::string line;
    std::vector<std::string> values; // empty when the line gives none
    Result result = Result::Read;
    ImportDelimiter delimiter = ImportDelimiter::Comma;
    std::vector<std::size_t> sizes = {20, 20, 20};
};

void PrintTo(const ParserCase &c, std::ostream *out)
{
    *out << c.name;
}

class ImportLineParserTable : public ::testing::TestWithParam<ParserCase> { };

TEST_P(ImportLineParserTable, CutsTheLineIntoColumns)
{
    const ParserCase &c = GetParam();
    ImportLineParser parser(c.delimiter, c.sizes);
    ASSERT_EQ(parser.parse(c.line), c.result) << c.line;
    if (c.result == Result::Read) {
        EXPECT_EQ(parser.values(), c.values) << c.line;
    }
}

constexpr auto tab = ImportDelimiter::Tab;

const ParserCase parserCases[] = {
    {"PlainColumns", "120,80,72", {"120", "80", "72"}},
    {"BlanksKept", " 120 , 80", {" 120 ", " 80", ""}},
    {"MissingColumnsEmpty", "120", {"120", "", ""}},
    {"ExtraColumnsIgnored", "1,2,3,4,5", {"1", "2", "3"}},
    {"EmptyColumns", ",,", {"", "", ""}},
    {"QuotedComma", "\"a,b\",c", {"a,b", "c", ""}},
    {"QuotedLastColumn", "1,2,\"x,y\"", {"1", "2", "x,y"}},
    {"DoubledQuotes", "\"say \"\"hi\"\"\",x", {"say \"hi\"", "x", ""}},
    {"DoubledQuoteBeforeComma", "\"a\"\",b\",c", {"a\",b", "c", ""}},
    {"ThreeQuotesCloseAfterADoubledOne", "\"end\"\"\",x\"", {"end\"", "x\"", ""}},
    {"TwoQuotesAreEmpty", "\"\",x", {"", "x", ""}},
    {"FourQuotesAreOneQuote", "\"\"\"\",x", {"\"", "x", ""}},
    {"QuoteInsidePlainColumn", "a\"b,c", {"a\"b", "c", ""}},
    {"LoneInnerQuotesKept", "\"say \"hi\" now\",x", {"say \"hi\" now", "x", ""}},
    {"DoubledQuoteClosesWhenNothingFollows", "\"a\"\",b", {"a\"", "b", ""}},
    {"BlankBeforeOpeningQuoteMakesItPlain", " \"a,b\"", {" \"a", "b\"", ""}},
    {"UnclosedQuote", "\"abc,def", {}, Result::UnclosedQuote},
    {"QuoteNotFollowedByComma", "\"ab\" ,c", {}, Result::UnclosedQuote},
    {"LoneQuote", "1,\"", {}, Result::UnclosedQuote},
    {"UnclosedQuoteBeyondTheColumnsTaken", "1,\"abc", {"1"}, Result::Read, ImportDelimiter::Comma,
        {20}},
    {"EmptyLine", "", {}, Result::Blank},
    {"SpacesOnly", "    ", {}, Result::Blank},
    {"TabsAreNotBlank", "\t\t", {"\t\t", "", ""}},
    {"TabColumns", "120\t80\t72", {"120", "80", "72"}, Result::Read, tab},
    {"TabKeepsCommas", "1,5\t80", {"1,5", "80", ""}, Result::Read, tab},
    {"TabQuotesAreOrdinary", "\"a\tb\"\tc", {"\"a", "b\"", "c"}, Result::Read, tab},
    {"TabMissingAndEmptyColumns", "\t7", {"", "7", ""}, Result::Read, tab},
    {"CutToColumnSizes", "1234567,abcdefg,x", {"12345", "ab", "x"}, Result::Read,
        ImportDelimiter::Comma, {5, 2, 20}},
    {"QuotedCutAfterUndoubling", "\"a\"\"b\"\"c\",z", {"a\"b", "z"}, Result::Read,
        ImportDelimiter::Comma, {3, 1}},
    {"IgnoredColumnKeepsNothing", "\"skip,me\",5", {"", "5"}, Result::Read, ImportDelimiter::Comma,
        {0, 20}},
};

INSTANTIATE_TEST_SUITE_P(Lines, ImportLineParserTable, ::testing::ValuesIn(parserCases),
    [](const ::testing::TestParamInfo<ParserCase> &info) { return std::string(info.param.name); });

TEST(ImportLineParser, EachLineReplacesTheValuesOfTheLastOne)
{
    ImportLineParser parser(ImportDelimiter::Comma, {20, 20});
    ASSERT_EQ(parser.parse("\"first\",second"), Result::Read);
    ASSERT_EQ(parser.parse("only"), Result::Read);
    EXPECT_EQ(parser.values(), (std::vector<std::string> {"only", ""}));
    ASSERT_EQ(parser.parse("x,\"open"), Result::UnclosedQuote);
    EXPECT_EQ(parser.values(), (std::vector<std::string> {"", ""}));
}

} // namespace
