#include "exchange/export_line.h"
#include "exchange/import_line_parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vantorelle;

namespace {

// A header of captions and one record whose values hold the awkward cases.
const std::vector<std::string> captions = {"Systolic", "Notes", "Activity"};
const std::vector<std::string> record
    = {"120", "said \"fine\", then left", "two\r\nlines, lone\rCR and\nLF", "tab\there", ""};

std::string exportText(const std::string &delimiter)
{
    std::string text;
    for (const std::string &caption : captions)
        appendExportValue(text, caption, delimiter);
    appendLineEnd(text);
    for (const std::string &value : record)
        appendExportValue(text, value, delimiter);
    appendLineEnd(text);
    return text;
}

TEST(ExportLine, DelimiterTexts)
{
    EXPECT_EQ(exportDelimiterText(ExportDelimiter::Comma, ";"), ",");
    EXPECT_EQ(exportDelimiterText(ExportDelimiter::Tab, ";"), "\t");
    EXPECT_EQ(exportDelimiterText(ExportDelimiter::Custom, "; "), "; ");
    EXPECT_EQ(exportDelimiterText(ExportDelimiter::Custom, ""), "");
}

TEST(ExportLine, BytesForEachDelimiter)
{
    struct Case {
        const char *name, *delimiter, *text;
    };
    const Case cases[] = {
        {"comma", ",",
            "Systolic,Notes,Activity,\r\n"
            "120,\"said \"\"fine\"\", then left\",\"two lines, lone CR and LF\",tab\there,,\r\n"},
        {"tab", "\t",
            "Systolic\tNotes\tActivity\t\r\n"
            "120\t\"said \"\"fine\"\", then left\"\ttwo lines, lone CR and "
            "LF\t\"tab\there\"\t\t\r\n"},
        {"custom", ";",
            "Systolic;Notes;Activity;\r\n"
            "120;\"said \"\"fine\"\", then left\";two lines, lone CR and LF;tab\there;;\r\n"},
        {"longer custom", " | ",
            "Systolic | Notes | Activity | \r\n"
            "120 | \"said \"\"fine\"\", then left\" | two lines, lone CR and LF | tab\there |  | "
            "\r\n"},
        {"custom found in a caption", "s",
            "\"Systolic\"s\"Notes\"sActivitys\r\n"
            "120s\"said \"\"fine\"\", then left\"s\"two lines, lone CR and LF\"stab\theress\r\n"},
        {"empty custom", "",
            "\"Systolic\"\"Notes\"\"Activity\"\r\n"
            "\"120\"\"said \"\"fine\"\", then left\"\"two lines, lone CR and "
            "LF\"\"tab\there\"\r\n"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(exportText(c.delimiter), c.text) << c.name;
}

// A line break in whatever form is one space: the record keeps its line and
// its words stay apart.
TEST(ExportLine, EachLineBreakIsOneSpace)
{
    struct Case {
        const char *name, *value, *delimiter, *written;
    };
    const Case cases[] = {
        {"CR LF", "after coffee\r\nleft arm", ",", "after coffee left arm,"},
        {"two CR LF", "ER visit\r\n\r\nCarry card", "\t", "ER visit  Carry card\t"},
        {"lone CR", "a\rb", ";", "a b;"},
        {"lone LF", "a\nb", ",", "a b,"},
        {"LF CR is two breaks", "a\n\rb", ",", "a  b,"},
        {"at either end", "\r\na\n", ",", " a ,"},
        {"then holding the delimiter", "a\r\nb", " ", "\"a b\" "},
    };
    for (const Case &c : cases) {
        std::string line;
        appendExportValue(line, c.value, c.delimiter);
        EXPECT_EQ(line, c.written) << c.name;
    }
}

TEST(ExportLine, ACommaLineReadsBackThroughTheImportParser)
{
    const std::vector<std::string> values = {"plain", "a,b", "\"quoted\"", "x\"\"y", "\"", "",
        " blanks ", "end\"", "a\",b", "9\" tall, 3' wide"};
    std::string line;
    for (const std::string &value : values)
        appendExportValue(line, value, ",");
    ImportLineParser parser(ImportDelimiter::Comma, std::vector<std::size_t>(values.size(), 100));
    ASSERT_EQ(parser.parse(line), ImportLineParser::Result::Read) << line;
    EXPECT_EQ(parser.values(), values) << line;
}

} // namespace
