#include "mainwin/master_index.h"

namespace vantorelle {

MasterIndex::MasterIndex(MemoryTable &table, std::string_view nameField)
    : table_(&table)
    , nameField_(nameField)
{
    const std::size_t keyColumn = *table.columnIndex("Key");
    for (table.moveFirst(); !table.eof(); table.moveNext())
        rows_.emplace(std::string(table.value(keyColumn)), table.handle());
}

std::optional<RecordRef> MasterIndex::find(std::string_view key) const
{
    const auto found = rows_.find(key);
    if (found == rows_.end())
        return std::nullopt;
    return RecordRef {table_, found->second};
}

std::string MasterIndex::name(std::string_view key) const
{
    if (key.empty() || rows_.empty())
        return {};
    const auto record = find(key);
    return record ? std::string(record->value(nameField_)) : std::string("<not found>");
}

} // namespace vantorelle
