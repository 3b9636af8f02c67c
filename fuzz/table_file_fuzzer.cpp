// Reading a table file of any kind, writing the table back and reading that:
// what is written reads back to the same table, and writing it again gives the
// same bytes (no value read makes the writer produce a line the reader cuts
// differently; the same bytes read back to the same table, every column
// included). Input: the file's bytes, then one byte choosing the table.
#include "fuzz_support.h"

#include "store/table_catalog.h"
#include "store/table_file.h"

#include <cstdint>
#include <string>
#include <string_view>

using namespace vantorelle;

namespace {

// The preferences' number columns are written as whole numbers, so they are
// compared only from the second writing on, by its bytes.
void expectSameTable(const MemoryTable &read, const MemoryTable &reread)
{
    FUZZ_CHECK(read.recordCount() == reread.recordCount());
    const auto rows = static_cast<RowHandle>(read.recordCount());
    for (RowHandle row = 0; row < rows; ++row) {
        for (std::size_t c = 0; c < read.columns().size(); ++c) {
            if (read.columns()[c].kind != ColumnKind::Single)
                FUZZ_CHECK(read.valueAt(row, c) == reread.valueAt(row, c));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto id = static_cast<TableId>(data[size - 1] % tableCount);
    const std::string_view original(reinterpret_cast<const char *>(data), size - 1);
    const TableFile file(
        tableFileName(id), tableLayout(id)); // bytes only: the file is never opened

    MemoryTable read(tableColumns(id));
    file.readBytes(original, read);
    const std::string written = file.bytes(read, original);
    const auto rows = static_cast<std::int64_t>(read.recordCount());
    const int fields = static_cast<int>(read.columns().size()) - 2;
    FUZZ_CHECK(written.starts_with(
        TableFile::updatedHeader(original, rows, fields, tableLayout(id).fieldType) + "\r\n"));
    FUZZ_CHECK(written.ends_with("\r\n"));

    MemoryTable reread(tableColumns(id));
    file.readBytes(written, reread);
    expectSameTable(read, reread);
    FUZZ_CHECK(file.bytes(reread, written) == written);
    return 0;
}
