#include "exchange/import_text.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vantorelle;

namespace {

std::vector<std::string> linesOf(const std::string &fileBytes)
{
    ImportText text(fileBytes);
    std::vector<std::string> lines;
    std::string_view line;
    while (text.nextLine(line))
        lines.emplace_back(line);
    return lines;
}

struct TextCase {
    const char *name;
    std::string fileBytes;
    std::vector<std::string> lines;
};

void PrintTo(const TextCase &c, std::ostream *out)
{
    *out << c.name;
}

class ImportTextTable : public ::testing::TestWithParam<TextCase> { };

TEST_P(ImportTextTable, Lines)
{
    EXPECT_EQ(linesOf(GetParam().fileBytes), GetParam().lines);
}

const std::string bom = "\xEF\xBB\xBF";

const TextCase textCases[] = {
    {"CrLf", "1,2\r\n3,4\r\n", {"1,2", "3,4"}},
    {"LfOnly", "1,2\n3,4\n", {"1,2", "3,4"}},
    {"CrOnly", "1,2\r3,4\r", {"1,2", "3,4"}},
    {"LastLineWithoutEnd", "1,2\r\n3,4", {"1,2", "3,4"}},
    {"EmptyLinesKept", "a\n\nb", {"a", "", "b"}},
    {"LoneLfStaysInALineOfACrFile", "a\nx\r\nb", {"a\nx", "b"}},
    {"EmptyFile", "", {}},
    {"BomDropped", bom + "Date,Time\r\n3/7/2024,8:05\r\n", {"Date,Time", "3/7/2024,8:05"}},
    {"BomOnly", bom, {}},
    {"Utf8IntoCp1252", "caf\xC3\xA9,\xE2\x82\xAC\xC5\x93\n", {"caf\xE9,\x80\x9C"}},
    {"Utf8OutsideCp1252Becomes?", bom + "\xE2\x86\x92 \xF0\x9F\x98\x80!", {"? ?!"}},
    {"Cp1252Kept", "caf\xE9,\x80\r\n\x93ok\x94", {"caf\xE9,\x80", "\x93ok\x94"}},
    {"BomThenCp1252", bom + "caf\xE9", {"caf\xE9"}},
    {"CutUtf8SequenceIsCp1252", "ok\xC3", {"ok\xC3"}},
    {"OverlongUtf8IsCp1252", "\xC0\xAF", {"\xC0\xAF"}},
    {"EncodedSurrogateIsCp1252", "\xED\xA0\x80", {"\xED\xA0\x80"}},
};

INSTANTIATE_TEST_SUITE_P(Files, ImportTextTable, ::testing::ValuesIn(textCases),
    [](const ::testing::TestParamInfo<TextCase> &info) {
        std::string name = info.param.name;
        std::erase(name, '?');
        return name;
    });

TEST(ImportText, ReadsAFileWhole)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath("r\xC3\xA9sultats.csv");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("120,80\n", 7));
    file.close();

    std::string bytes;
    ASSERT_TRUE(readImportFile(path, bytes));
    EXPECT_EQ(bytes, "120,80\n");
    EXPECT_FALSE(readImportFile(folder.filePath("missing.csv"), bytes));
    EXPECT_FALSE(readImportFile(folder.path(), bytes));
}

} // namespace
