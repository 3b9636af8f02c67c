#pragma once

#include "mainwin/field_value.h"
#include "store/table_catalog.h"
#include "store/topics.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantorelle {

// One column of the record grid.
struct GridColumn {
    std::string_view header; // left-aligned; the trailing blank is part of it
    // Twips: the least width the column was designed with (the last shown
    // column's reaches the grid's edge, whatever its width); hiddenWidth marks
    // a key column the user never sees.
    int width;
    FieldValue cell;
};

inline constexpr int hiddenWidth = 1;

// How the record grid lists one topic: a row per record of `table` whose Key
// begins with the profile's Key. Insurance and contacts list the profile's
// link records and show the master record each one points to; a link whose
// master is missing gives no row.
struct GridLayout {
    Topic topic;
    TableId table; // the table walked
    std::optional<TableId> master; // insurance and contacts: the master table
    std::string_view masterKey; // the link's field holding the master's Key
    std::span<const GridColumn> columns;

    // The first hidden column: the Key of the record the row shows (for
    // insurance and contacts the master's; the link's Key follows it).
    int keyColumn() const;
    bool hidden(int column) const { return columns[std::size_t(column)].width == hiddenWidth; }
};

// The layout of a grid topic (Insurance .. Family History); nullptr for
// Personal and Legal.
const GridLayout *gridLayout(Topic topic);

// The header texts of every column ("" for the hidden ones); the glucose
// column's header is completed by the preferred units and ") ".
std::vector<std::string> gridHeaders(const GridLayout &layout, std::string_view glucoseUnits);

// Whether any cell of `layout` is made by `rule`.
bool usesRule(const GridLayout &layout, FieldValue::Rule rule);

} // namespace vantorelle
