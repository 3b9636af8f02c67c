// Record lines found by fuzzing the reader and writer: each is read, written
// back and read again, and must give the same values both times.
#include "store/table_catalog.h"
#include "store/table_file.h"

#include "store_test_support.h"

#include <gtest/gtest.h>

using namespace vantorelle;

namespace {

using Values = std::vector<std::string>;

Values rowValues(const MemoryTable &table, RowHandle row)
{
    Values values;
    for (std::size_t c = 0; c < table.columns().size(); ++c)
        values.emplace_back(table.valueAt(row, c));
    return values;
}

TEST(TableFileRoundTrip, LineCutShortAfterAValueReadsBackTheSame)
{
    struct Case {
        TableId table;
        std::string line;
        Values start; // the first values as read; the columns after them are empty
    };
    const Case cases[] = {
        // A line that ends with the comma after a closing quote: the value is
        // the text inside the quotes. Kept with the `",` it would be written
        // "Dust""," and read back as Dust" with the next value shifted.
        {TableId::Allergy, R"(0x00000001,0x0000,"key","Dust",)",
            {"0x00000001", "0x0000", "key", "Dust"}},
        {TableId::Allergy, R"(0x00000001,0x0000,"key",)", {"0x00000001", "0x0000", "key"}},
        {TableId::Allergy, R"(0x00000001,0x0000,"key","",)", {"0x00000001", "0x0000", "key", ""}},
        {TableId::MainNm, R"(0x00000001,0x0000,"leeann","Ann",)",
            {"0x00000001", "0x0000", "leeann", "Ann"}},
        {TableId::Prefs, R"(0x00000001,0x0000,"date_sep",)", {"0x00000001", "0x0000", "date_sep"}},
        // Cut short without the comma: only the closing quote goes.
        {TableId::Allergy, R"(0x00000001,0x0000,"key","Dust")",
            {"0x00000001", "0x0000", "key", "Dust"}},
        {TableId::Allergy, R"(0x00000001,0x0000,"key","a""")",
            {"0x00000001", "0x0000", "key", "a\""}},
        // A value the user typed with `","` in it stays one value.
        {TableId::Allergy, R"(0x00000001,0x0000,"key","say ""a"",""b""","x")",
            {"0x00000001", "0x0000", "key", "say \"a\",\"b\"", "x"}},
        {TableId::Prefs, R"(0x00000001,0x0000,"k",""",""","","",1,2,3)",
            {"0x00000001", "0x0000", "k", "\",\"", "", "", "1", "2", "3"}},
    };
    for (const Case &c : cases) {
        TempFolder folder;
        const std::string path = folder.file(tableFileName(c.table));
        writeBytes(path, wholeHeader + c.line + "\r\n");
        const TableFile file(path, tableLayout(c.table));

        MemoryTable read(tableColumns(c.table));
        ASSERT_FALSE(file.read(read));
        ASSERT_EQ(read.recordCount(), 1u) << c.line;
        Values expected = c.start;
        expected.resize(read.columns().size());
        EXPECT_EQ(rowValues(read, 0), expected) << c.line;

        ASSERT_FALSE(file.write(read));
        MemoryTable reread(tableColumns(c.table));
        ASSERT_FALSE(file.read(reread));
        ASSERT_EQ(reread.recordCount(), 1u) << c.line;
        const Values back = rowValues(reread, 0);
        for (std::size_t i = 0; i < back.size(); ++i) {
            if (read.columns()[i].kind != ColumnKind::Single) { // numbers are written whole
                EXPECT_EQ(back[i], expected[i]) << c.line << " value " << i;
            }
        }
    }
}

} // namespace
