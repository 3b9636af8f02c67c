#include "store/line_reader.h"
#include "store/table_catalog.h"
#include "store/table_file.h"

#include "store_test_support.h"

#include <gtest/gtest.h>

#include <optional>

using namespace vantorelle;

namespace {

using Lines = std::vector<std::string>;

std::string joined(const Lines &lines)
{
    std::string text;
    for (const std::string &line : lines)
        text += line + "\r\n";
    return text;
}

Lines declarations(int from, int to, const std::string &type = "S")
{
    Lines lines;
    for (int i = from; i <= to; ++i)
        lines.push_back("#FLDNUM:" + std::to_string(i) + " TYPE:" + type + " SIZE:0");
    return lines;
}

Lines operator+(Lines a, const Lines &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(LineReader, SplitsAtCrLfAndLoneCrOrAtLfWhenThereIsNoCr)
{
    struct Case {
        std::string text;
        Lines lines;
    };
    const Case cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"a\rb\r\n\r\nc", {"a", "b", "", "c"}},
        {"a\nb\r\nc", {"a\nb", "c"}}, // a lone LF stays inside the line
        {"a\nb\n", {"a", "b"}}, // no CR at all: split at LF
        {"", {}},
    };
    for (const Case &c : cases) {
        Lines lines;
        LineReader reader(c.text);
        std::string_view line;
        while (reader.next(line))
            lines.emplace_back(line);
        EXPECT_EQ(lines, c.lines) << c.text;
    }
}

TEST(TableFile, HeaderRebuild)
{
    struct Case {
        const char *what;
        std::string previous;
        int recordCount, fieldCount;
        Lines header;
    };
    const Case cases[] = {
        {"counts and mode rewritten",
            joined(Lines {"#RECCNT: 17", "#SYNCMODE: REPLACE", "#FLDCNT: 3"} + declarations(1, 3))
                + "0x0,0x0,\"a\",\"b\",\"c\"\r\n",
            2, 3, Lines {"#RECCNT: 2", "#SYNCMODE: MERGE", "#FLDCNT: 3"} + declarations(1, 3)},
        {"own lines kept in place, consecutive repeats written once",
            joined({"#DBNAME: X", "#SYNCMODE: MERGE", "#SYNCMODE: OVERWRITE", "#NOTE", "#NOTE",
                "#RECCNT: 1", "#NOTE", "#FLDCNT: 1", "#FLDNUM:1 TYPE:S SIZE:0"}),
            0, 1,
            {"#DBNAME: X", "#SYNCMODE: MERGE", "#NOTE", "#RECCNT: 0", "#NOTE", "#FLDCNT: 1",
                "#FLDNUM:1 TYPE:S SIZE:0"}},
        {"missing declarations appended",
            joined(Lines {"#RECCNT: 0", "#FLDCNT: 3"} + declarations(1, 3)), 0, 6,
            Lines {"#RECCNT: 0", "#FLDCNT: 6"} + declarations(1, 6)},
        {"extra declarations kept", joined(Lines {"#FLDCNT: 5"} + declarations(1, 5)), 0, 4,
            Lines {"#FLDCNT: 4"} + declarations(1, 5)},
        {"no header line: declarations only", "0x0,0x0,\"a\"\r\n", 1, 2, declarations(1, 2)},
        {"empty file", "", 0, 2, declarations(1, 2)},
        {"an empty line ends the header", "#A\r\n\r\n#B\r\n", 0, 1,
            Lines {"#A"} + declarations(1, 1)},
        {"a header not ending in a declaration gets all of them",
            joined({"#RECCNT: 9", "#FLDCNT: 2"}), 1, 2,
            Lines {"#RECCNT: 1", "#FLDCNT: 2"} + declarations(1, 2)},
        {"two-digit declaration", joined(Lines {"#FLDCNT: 12"} + declarations(1, 11)), 0, 12,
            Lines {"#FLDCNT: 12"} + declarations(1, 12)},
        {"counts beyond 16 bits", "#RECCNT: 1\r\n", 70000, 0, {"#RECCNT: 70000"}},
        {"a file without CR", "#RECCNT: 1\n#FLDCNT: 1\n", 0, 1,
            Lines {"#RECCNT: 0", "#FLDCNT: 1"} + declarations(1, 1)},
    };
    for (const Case &c : cases) {
        std::string expected = joined(c.header);
        expected.resize(expected.size() - 2);
        EXPECT_EQ(TableFile::updatedHeader(c.previous, c.recordCount, c.fieldCount, "S"), expected)
            << c.what;
    }
}

TEST(TableFile, HeaderFaults)
{
    struct Case {
        const char *what;
        std::string content;
        std::optional<std::string> fault;
    };
    const std::string records = "0x1,0x0000,\"k\"\r\n";
    const Case cases[] = {
        {"whole, the declarations short", "#RECCNT: 1\r\n#SYNCMODE\r\n#FLDCNT: 9\r\n" + records,
            std::nullopt},
        {"whole, own lines around", "#CASL\r\n#RECCNT: 0\r\n#SYNCMODE: X\r\n#NOTE\r\n#FLDCNT: 1",
            std::nullopt},
        {"whole, lines ended by LF in a file without CR",
            "#RECCNT: 1\n#SYNCMODE: MERGE\n#FLDCNT: 1\n0x1,0x0000,\"k\"\n", std::nullopt},
        {"empty file", "", "The file has no header block."},
        {"records only", records, "The file has no header block."},
        {"an empty line first", "\r\n" + wholeHeader, "The file has no header block."},
        {"a line missing", "#RECCNT: 1\r\n#SYNCMODE: MERGE\r\n" + records,
            "Its header block has no \"#FLDCNT:\" line."},
        {"a line after the block's end",
            "#RECCNT: 1\r\n#SYNCMODE: MERGE\r\n" + records + "#FLDCNT: 1\r\n",
            "Its header block has no \"#FLDCNT:\" line."},
        {"lines ended by LF in a file with CR",
            "#RECCNT: 1\n#SYNCMODE: MERGE\n#FLDCNT: 1\r\n" + records,
            "A line of its header block ends in a line feed alone."},
    };
    for (const Case &c : cases)
        EXPECT_EQ(TableFile::headerFault(c.content), c.fault) << c.what;
}

// A file without a whole header block is read, and said to be; it is never
// written back, since the handheld's tools could not read it without one.
TEST(TableFile, AFileWithoutAWholeHeaderBlockIsReadButNotWritten)
{
    TempFolder folder;
    const std::string path = folder.file("VantorelleBP.cdb");
    const std::string content = "0x1,0x0000,\"p1\",\"120\"\r\n";
    writeBytes(path, content);
    const TableFile file(path, tableLayout(TableId::BP));
    MemoryTable table(tableColumns(TableId::BP));

    const auto failure = file.read(table);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->number, 321);
    EXPECT_EQ(failure->description, "Invalid file format");
    EXPECT_EQ(failure->details, "The file has no header block.");
    EXPECT_EQ(table.recordCount(), 1u);

    const auto written = file.write(table);
    ASSERT_TRUE(written);
    EXPECT_EQ(written->number, 321);
    EXPECT_EQ(readBytes(path), content);
}

std::vector<std::string> cut(TableId table, std::string_view line)
{
    RowValues values;
    TableFile("", tableLayout(table)).cutLine(line, tableColumns(table).size(), values);
    std::vector<std::string> result;
    for (std::size_t i = 0; i < values.size(); ++i)
        result.emplace_back(values.value(i));
    return result;
}

TEST(TableFile, CuttingRecordLines)
{
    using enum TableId;
    struct Case {
        const char *what;
        TableId table;
        std::string line;
        std::vector<std::string> values;
    };
    const Case cases[] = {
        {"plain", Location, R"(0x00000000,0x0000,"clinic","a","b","c")",
            {"0x00000000", "0x0000", "clinic", "a", "b", "c"}},
        {"doubled quotes", Location, R"(0x1,0x0008,"k","He said ""no""","""","a""")",
            {"0x1", "0x0008", "k", "He said \"no\"", "\"", "a\""}},
        {"line breaks in middle fields only", Location, R"(0x1,0x0000,"k\nk","a\nb","c\Nd","e\nf")",
            {"0x1", "0x0000", "k\\nk", "a\r\nb", "c\r\nd", "e\\nf"}},
        {"no line-break step in the link tables", InsXref, R"(0x1,0x0000,"k","a\nb","","")",
            {"0x1", "0x0000", "k", "a\\nb", "", ""}},
        {"link line", InsXref,
            R"(0x00000005,0x0000,"20240101120000pacme20240102090000p","20240102090000p","","")",
            {"0x00000005", "0x0000", "20240101120000pacme20240102090000p", "20240102090000p", "",
                ""}},
        {"too few values: the rest stays empty", Location, R"(0x1,0x0000,"k","a")",
            {"0x1", "0x0000", "k", "a"}},
        {"too many values: kept inside the last field", Location,
            R"(0x1,0x0000,"k","a","b","c","d")", {"0x1", "0x0000", "k", "a", "b", "c\",\"d"}},
        {"a value holding \",\" reads back whole", Location,
            R"(0x1,0x0000,"k","say ""a"",""b""","x","y")",
            {"0x1", "0x0000", "k", "say \"a\",\"b\"", "x", "y"}},
        {"a value ending in a quote", Location, R"(0x1,0x0000,"k","a""","","""")",
            {"0x1", "0x0000", "k", "a\"", "", "\""}},
        {"junk line", Location, "hello world", {"hello world"}},
        {"no quoted values", Location, "0x1,0x0000", {"0x1", "0x0000"}},
        {"preferences line", Prefs, R"(0x00000007,0x0000,"date_sep","-","","",0,0,0)",
            {"0x00000007", "0x0000", "date_sep", "-", "", "", "0", "0", "0"}},
        {"preferences keep \\n", Prefs, R"(0x7,0x0000,"k","a\nb","x""y","",1,2,3)",
            {"0x7", "0x0000", "k", "a\\nb", "x\"y", "", "1", "2", "3"}},
        {"a preferences text holding \", reads back whole", Prefs,
            R"(0x7,0x0000,"k","a","b","c"",d",1,2,3)",
            {"0x7", "0x0000", "k", "a", "b", "c\",d", "1", "2", "3"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(cut(c.table, c.line), c.values) << c.what;
}

MemoryTable tableOf(TableId id, const std::vector<std::vector<std::string>> &rows)
{
    MemoryTable table(tableColumns(id));
    for (const auto &row : rows) {
        table.addNew();
        for (std::size_t c = 0; c < row.size(); ++c)
            table.setValueAsRead(c, row[c]);
        table.update();
    }
    return table;
}

std::string lineOf(TableId id, const std::vector<std::string> &row)
{
    MemoryTable table = tableOf(id, {row});
    std::string line;
    TableFile("", tableLayout(id)).appendLine(table, table.handle(), line);
    return line;
}

TEST(TableFile, BuildingRecordLines)
{
    using enum TableId;
    EXPECT_EQ(lineOf(Location, {"0x00000000", "0x0008", "St. Mary's", "a\"b", "\"", ""}),
        "0x00000000,0x0008,\"St. Mary's\",\"a\"\"b\",\"\"\"\",\"\"\r\n");
    EXPECT_EQ(
        lineOf(Location, {"0x1", "0x0000", "k\r\nk", "two\r\nlines", "cr\ralone", "lf\nalone"}),
        "0x1,0x0000,\"k\\nk\",\"two\\nlines\",\"cr\ralone\",\"lf\nalone\"\r\n");
    EXPECT_EQ(lineOf(ConXref, {"0x1", "0x0000", "k", "a\r\nb", "C:\\new", ""}),
        "0x1,0x0000,\"k\",\"a\r\nb\",\"C:\\new\",\"\"\r\n");
    EXPECT_EQ(
        lineOf(Prefs, {"0x00000012", "0x0004", "date_format", "ddmmyyyy", "", "", "0", "2.5", ""}),
        "0x00000012,0x0004,\"date_format\",\"ddmmyyyy\",\"\",\"\",0,3,0\r\n");
}

TEST(TableFile, ReadingSkipsHeaderAndShortLinesAnywhere)
{
    TempFolder folder;
    const std::string path = folder.file("VantorelleConXref.cdb");
    writeBytes(path,
        wholeHeader
            + "0x1,0x0000,\"a\",\"b\",\"\",\"\"\r\n#LATE\r\nabc\r\n12345\r\n"
              "1234567\r\n0x2,0x0000,\"c\",\"d\",\"\",\"\"");
    MemoryTable table(tableColumns(TableId::ConXref));
    ASSERT_FALSE(TableFile(path, tableLayout(TableId::ConXref)).read(table));
    EXPECT_EQ(table.recordCount(), 3u); // "1234567" is a (junk) record in ConXref
    EXPECT_EQ(table.value("Key"), "a"); // the first row is current

    MemoryTable links(tableColumns(TableId::InsXref));
    ASSERT_FALSE(TableFile(path, tableLayout(TableId::InsXref)).read(links));
    EXPECT_EQ(links.recordCount(), 4u); // "12345" too in the other tables
}

TEST(TableFile, ValuesRoundTripThroughAFile)
{
    using enum TableId;
    TempFolder folder;
    const std::string path = folder.file("VantorelleAllergy.cdb");
    const std::vector<std::vector<std::string>> rows = {
        {"0x00000000", "0x0008", "p1", "Peanuts", "two\r\nlines", "20240315", "He said \"no\"", "",
            "", ""},
        {"0x0000000A", "0x0002", "p2", "\"", "", "", "back\\slash", "x", "y", "last\"quote\""},
        {"0x0000000B", "0x0000", "p3", std::string(120, 'a'), "caf\xe9", "", "", "", "", ""},
    };
    MemoryTable written = tableOf(Allergy, rows);
    written.setFilter(Criterion::standardFilter());
    const TableFile file(path, tableLayout(Allergy));
    ASSERT_FALSE(file.write(written));
    EXPECT_EQ(written.filter(), Criterion::standardFilter());

    MemoryTable read(tableColumns(Allergy));
    ASSERT_FALSE(file.read(read));
    ASSERT_EQ(read.recordCount(), rows.size()); // the tombstone is in the file
    std::size_t r = 0;
    for (read.moveFirst(); !read.eof(); read.moveNext(), ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            EXPECT_EQ(read.value(c), rows[r][c]) << "row " << r << " column " << c;
    }
    const std::string bytes = readBytes(path);
    EXPECT_TRUE(bytes.starts_with(
        "#RECCNT: 3\r\n#SYNCMODE: MERGE\r\n#FLDCNT: 8\r\n#FLDNUM:1 TYPE:S SIZE:0"));
    EXPECT_TRUE(bytes.ends_with("\"last\"\"quote\"\"\"\r\n0x0000000B,0x0000,\"p3\",\""
        + std::string(120, 'a') + "\",\"caf\xe9\",\"\",\"\",\"\",\"\",\"\"\r\n"));
}

TEST(TableFile, EmptyTableWritesItsHeaderOnly)
{
    TempFolder folder;
    const std::string path = folder.file("VantorelleLocation.cdb");
    writeBytes(path,
        "#RECCNT: 2\r\n#SYNCMODE: MERGE\r\n#FLDCNT: 4\r\n0x1,0x0000,\"a\",\"\",\"\",\"\"\r\n");
    MemoryTable table(tableColumns(TableId::Location));
    ASSERT_FALSE(TableFile(path, tableLayout(TableId::Location)).write(table));
    EXPECT_EQ(readBytes(path),
        joined(Lines {"#RECCNT: 0", "#SYNCMODE: MERGE", "#FLDCNT: 4"} + declarations(1, 4)));
}

// A file as the handheld writes it, with its own header lines, tombstones,
// quotes, line breaks, cp1252 bytes and an over-long value, comes back byte
// for byte.
TEST(TableFile, GoldenFileRoundTrip)
{
    TempFolder folder;
    const std::string golden = readBytes(testDataPath() / "golden" / "VantorelleBP.cdb");
    ASSERT_FALSE(golden.empty());
    const std::string path = folder.file("VantorelleBP.cdb");
    writeBytes(path, golden);

    const TableFile file(path, tableLayout(TableId::BP));
    MemoryTable table(tableColumns(TableId::BP));
    ASSERT_FALSE(file.read(table));
    EXPECT_EQ(table.recordCount(), 4u);
    EXPECT_EQ(table.value("Notes"), "line one\r\nline two");
    EXPECT_EQ(table.value("Activity"), "walking");
    ASSERT_FALSE(file.write(table));
    EXPECT_EQ(readBytes(path), golden);
}

TEST(TableFile, HandheldCopySendsRecordsAsNewOrDeletedAndTheSyncModeAsMerge)
{
    const struct {
        const char *name;
        std::string table, copy;
    } cases[] = {
        {"header lines", "#CASL CDB 2.0\r\n#RECCNT: 3\r\n#SYNCMODE: REPLACE\r\n#SYNCMODEX\r\n",
            "#CASL CDB 2.0\r\n#RECCNT: 3\r\n#SYNCMODE: MERGE\r\n#SYNCMODE: MERGE\r\n"},
        {"the mode's name compared exactly", "#syncmode: REPLACE\r\n#SYNC\r\n",
            "#syncmode: REPLACE\r\n#SYNC\r\n"},
        {"changed record", "0x0000001A,0x0004,\"k\",\"v\"\r\n",
            "0x00000000,0x0000,\"k\",\"v\"\r\n"},
        {"new record", "0x00000000,0x0008,\"k\"\r\n", "0x00000000,0x0000,\"k\"\r\n"},
        {"deleted record", "0x0002001A,0x0002,\"k\"\r\n", "0x00000000,0x0002,\"k\"\r\n"},
        {"text holding the deleted status", "0x0000001B,0x0000,\"0x0002\"\r\n",
            "0x00000000,0x0000,\"0x0002\"\r\n"},
        {"empty and short lines", "\r\nabc\r\n0123456789\r\n", "\r\nabc\r\n0123456789\r\n"},
        {"record line cut short", "0x0000001A,0x00", "0x00000000,0x0000\r\n"},
        {"record line of eleven characters", "0x0000001A,", "0x00000000,0x0000\r\n"},
        {"lone CR ends a line, a lone LF stays in it", "#A\r0x0000001A,0x0002,\"k\n\"\r\n",
            "#A\r\n0x00000000,0x0002,\"k\n\"\r\n"},
        {"lines of a file without CR end at LF", "#SYNCMODE: X\n0x0000001A,0x0004,\"k\"\n",
            "#SYNCMODE: MERGE\r\n0x00000000,0x0000,\"k\"\r\n"},
        {"empty file", "", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TableFile::handheldCopy(c.table), c.copy) << c.name;
}

// The bytes in memory go the way of a file: the golden file read from its
// bytes gives the same bytes back; a table with no file gets a new header.
TEST(TableFile, BytesInMemoryReadAndWriteAsAFile)
{
    const std::string golden = readBytes(testDataPath() / "golden" / "VantorelleBP.cdb");
    ASSERT_FALSE(golden.empty());
    const TableFile file("unused", tableLayout(TableId::BP));
    MemoryTable table(tableColumns(TableId::BP));
    file.readBytes(golden, table);
    EXPECT_EQ(table.recordCount(), 4u);
    EXPECT_EQ(table.value("Notes"), "line one\r\nline two"); // the first row is current
    EXPECT_EQ(file.bytes(table, golden), golden);

    const std::string fresh = file.bytes(table, std::nullopt);
    const std::string header = TableFile::newHeader(4, 11, "S") + "\r\n";
    EXPECT_TRUE(fresh.starts_with(header));
    EXPECT_TRUE(golden.ends_with(fresh.substr(header.size())));
}

TEST(TableFile, ReadingAMissingFileFails)
{
    TempFolder folder;
    MemoryTable table(tableColumns(TableId::BP));
    const auto failure = TableFile(folder.file("none.cdb"), tableLayout(TableId::BP)).read(table);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->number, 53);
    EXPECT_EQ(failure->description, "File not found");
    const auto noFolder
        = TableFile(folder.file("gone/none.cdb"), tableLayout(TableId::BP)).read(table);
    ASSERT_TRUE(noFolder);
    EXPECT_EQ(noFolder->number, 76);
}

} // namespace
