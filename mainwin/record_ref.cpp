#include "mainwin/record_ref.h"

#include "store/table_error.h"

#include <string>

namespace vantorelle {

std::string_view RecordRef::value(std::string_view field) const
{
    if (!table)
        return {};
    const auto column = table->columnIndex(field);
    if (!column)
        throw TableError(TableError::UnknownColumn,
            "Item cannot be found in the collection: " + std::string(field));
    return table->valueAt(row, *column);
}

} // namespace vantorelle
