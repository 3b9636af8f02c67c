#include "reports/master_names.h"

#include "store/store.h"

namespace vantorelle {

MasterNames::MasterNames(const Store &store, TableId table, std::string_view nameField)
{
    const TableRows rows = store.tableRows(table);
    listIsEmpty_ = rows.empty();
    for (const RowView row : rows)
        names_.emplace(std::string(row.value("Key")), std::string(row.value(nameField)));
}

std::string MasterNames::name(std::string_view key) const
{
    if (key.empty() || listIsEmpty_)
        return {};
    const auto found = names_.find(key);
    return found == names_.end() ? std::string("<not found>") : found->second;
}

} // namespace vantorelle
