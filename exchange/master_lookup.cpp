#include "exchange/master_lookup.h"

namespace vantorelle {

MasterLookup::MasterLookup(Store &store, TableId master)
    : table_(store.table(master))
{
    const std::size_t keyColumn = *table_.columnIndex("Key");
    const TableRows rows = store.tableRows(master);
    rows_.reserve(rows.size());
    for (const RowView row : rows)
        rows_.try_emplace(row.value(keyColumn), row.handle());
}

std::optional<RowView> MasterLookup::find(std::string_view key) const
{
    const auto found = rows_.find(key);
    if (found == rows_.end())
        return std::nullopt;
    return RowView(table_, found->second);
}

std::string_view MasterLookup::name(std::string_view key, std::size_t column) const
{
    if (key.empty() || rows_.empty())
        return {};
    const auto found = rows_.find(key);
    if (found == rows_.end())
        return "<not found>";
    return table_.valueAt(found->second, column);
}

} // namespace vantorelle
