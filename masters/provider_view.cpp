#include "masters/provider_view.h"

#include "documents/rtf_field.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

namespace vantorelle {

namespace {

struct ViewLine {
    std::string_view label;
    std::string_view field;
};

constexpr std::array<ViewLine, 9> pharmacyLines = {{
    {"Pharmacy", "Pharmacy"},
    {"Contact", "Name"},
    {"Phone", "Phone1"},
    {"FAX", "Phone2"},
    {"Hours", "Hours"},
    {"Address", "Address"},
    {"Email", "Email"},
    {"Website", "Website"},
    {"Notes", "Notes"},
}};

constexpr std::array<ViewLine, 11> providerLines = {{
    {"Name", "Name"},
    {"Type/Specialty", "Type"},
    {"Office Phone", "Phone1"},
    {"Emergency Ph", "Phone2"},
    {"FAX", "Phone3"},
    {"Clinic/Hospital", "Location"},
    {"Hours", "Hours"},
    {"Address", "Address"},
    {"Email", "Email"},
    {"Website", "Website"},
    {"Notes", "Notes"},
}};

// A kind of master shown: its table and its lines in order.
struct ViewKind {
    TableId table;
    std::span<const ViewLine> lines;
};

constexpr ViewKind pharmacyKind = {TableId::PharmID, pharmacyLines};
constexpr ViewKind providerKind = {TableId::ProvID, providerLines};

} // namespace

ProviderView providerView(Store &store, std::string_view key, bool pharmacy)
{
    const ViewKind &kind = pharmacy ? pharmacyKind : providerKind;
    const MemoryTable &table = store.table(kind.table);
    const std::size_t keyColumn = *table.columnIndex("Key");
    ProviderView view;
    view.rtf = recordViewHeader;
    // The first row of the Key, in Key order. The Key is a literal: any
    // character in it, an apostrophe too, is just that character.
    const std::vector<RowHandle> rows = table.rowsByValue(keyColumn, key);
    const auto found = std::find_if(rows.begin(), rows.end(),
        [&](RowHandle row) { return table.valueAt(row, keyColumn) == key; });
    if (found != rows.end()) {
        for (const ViewLine &line : kind.lines)
            view.rtf += rtfField(line.label, table.valueAt(*found, *table.columnIndex(line.field)));
    }
    view.rtf += recordViewEnd;
    return view;
}

} // namespace vantorelle
