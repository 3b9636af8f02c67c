#pragma once

#include "store/store.h"
#include "store/table_catalog.h"

#include <map>
#include <string>
#include <string_view>

namespace vantorelle {

// The names of one master list by Key (providers by Name, pharmacies by
// Pharmacy), read once per report so that no lookup walks the list.
class MasterNames {
public:
    // The visible rows of `table`, named by `nameField`.
    MasterNames(const Store &store, TableId table, std::string_view nameField);

    // "" for an empty key or an empty list, "<not found>" for a Key the list
    // does not hold; for a Key held twice, the first row in Key order.
    std::string name(std::string_view key) const;

private:
    bool listIsEmpty_ = true;
    std::map<std::string, std::string, std::less<>> names_;
};

} // namespace vantorelle
