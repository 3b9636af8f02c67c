// Reading a table file of any kind, writing the table back and reading that:
// what is written reads back to the same table, and writing it again gives the
// same bytes (no value read makes the writer produce a line the reader cuts
// differently). Input: the file's bytes, then one byte choosing the table.
#include "fuzz_support.h"

#include "store/table_file.h"
#include "store/table_catalog.h"

#include <cstdint>

namespace {

// The preferences' number columns are written as whole numbers, so only the
// second reading must give them back unchanged.
bool comparedAfterFirstWrite(const Column &column)
{
    return column.kind != ColumnKind::Single;
}

void expectSameTable(const MemoryTable &read, const MemoryTable &reread, bool allColumns)
{
    FUZZ_CHECK(read.recordCount() == reread.recordCount());
    const auto rows = static_cast<RowHandle>(read.recordCount());
    for (RowHandle row = 0; row < rows; ++row) {
        for (std::size_t c = 0; c < read.columns().size(); ++c) {
            if (allColumns || comparedAfterFirstWrite(read.columns()[c]))
                FUZZ_CHECK(read.valueAt(row, c) == reread.valueAt(row, c));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto id = static_cast<TableId>(data[size - 1] % TableCount);
    const std::string_view original(reinterpret_cast<const char *>(data), size - 1);
    const std::string path = scratchFile(tableFileName(id));
    writeBytes(path, original);
    const TableFile file(path, tableLayout(id));

    MemoryTable read(tableColumns(id));
    FUZZ_CHECK(!file.read(read));
    FUZZ_CHECK(!file.write(read));
    const std::string written = readBytes(path);
    const auto rows = static_cast<std::int64_t>(read.recordCount());
    const int fields = static_cast<int>(read.columns().size()) - 2;
    FUZZ_CHECK(written.starts_with(
        TableFile::UpdateCdbHeader(original, rows, fields, tableLayout(id).fieldType) + "\r\n"));
    FUZZ_CHECK(written.ends_with("\r\n"));

    MemoryTable reread(tableColumns(id));
    FUZZ_CHECK(!file.read(reread));
    expectSameTable(read, reread, false);

    FUZZ_CHECK(!file.write(reread));
    FUZZ_CHECK(readBytes(path) == written);
    MemoryTable third(tableColumns(id));
    FUZZ_CHECK(!file.read(third));
    expectSameTable(reread, third, true);
    return 0;
}
