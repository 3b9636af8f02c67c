#include "reports/master_lists_report.h"

#include "documents/print_document.h"
#include "reports/cell_formatter.h"
#include "reports/report_blocks.h"
#include "store/listing_order.h"
#include "store/store.h"

#include <array>
#include <span>
#include <string_view>

namespace vantorelle {

namespace {

// One master list: its table and its columns.
struct MasterList {
    TableId table;
    std::span<const ListColumn> columns;
};

constexpr ListColumn contactColumns[] = {
    {"Contact", 0.25, joined(asStored("ConFirst"), " ", asStored("ConLast"))},
    {"Home Phone", 0.25, {asStored("Phone1")}},
    {"Work Phone", 0.25, {asStored("Phone2")}},
    {"Mobile Phone", 0.25, {asStored("Phone3")}},
};

constexpr ListColumn insuranceColumns[] = {
    {"Insurance", 0.22, {asStored("Company")}},
    {"Type", 0.18, {asStored("Type")}},
    {"Group #", 0.18, {asStored("Group")}},
    {"Policy #", 0.22, {asStored("Policy")}},
    {"Phone", 0.2, {asStored("Phone1")}},
};

// Locations and provider types are known by their Key.
constexpr ListColumn locationColumns[] = {{"Location", 1, {asStored("Key")}}};
constexpr ListColumn providerTypeColumns[] = {{"Provider Type", 1, {asStored("Key")}}};

constexpr ListColumn pharmacyColumns[] = {
    {"Pharmacy", 0.25, {asStored("Pharmacy")}},
    {"Contact", 0.25, {asStored("Name")}},
    {"Phone", 0.25, {asStored("Phone1")}},
    {"Hours", 0.25, {asStored("Hours")}},
};

constexpr ListColumn providerColumns[] = {
    {"Provider", 0.25, {asStored("Name")}},
    {"Type", 0.25, {asStored("Type")}},
    {"Office", 0.25, {asStored("Phone1")}},
    {"Emergency", 0.25, {asStored("Phone2")}},
};

// In report order; list n is switched by "PrintList<n>".
constexpr std::array<MasterList, MasterListOptions::listCount> masterLists = {{
    {TableId::ConID, contactColumns},
    {TableId::InsID, insuranceColumns},
    {TableId::Location, locationColumns},
    {TableId::PharmID, pharmacyColumns},
    {TableId::ProvID, providerColumns},
    {TableId::ProvType, providerTypeColumns},
}};

QString storedText(const RowView &row, const CellValue &cell)
{
    if (cell.second.field.empty())
        return textOf(row.value(cell.first.field));
    std::string joined(row.value(cell.first.field));
    joined += cell.joiner;
    joined += row.value(cell.second.field);
    return textOf(joined);
}

} // namespace

MasterListsReport::MasterListsReport(
    const Store &store, const MasterListOptions &options, int usableWidth)
    : store_(store)
    , options_(options)
    , usableWidth_(usableWidth)
{
}

void MasterListsReport::addTo(PrintDocument &document) const
{
    document.addParagraph(reportTitle(QStringLiteral("Vantorelle Master Lists\r\n\r\n")));
    for (std::size_t n = 0; n < masterLists.size(); ++n) {
        const MasterList &list = masterLists[n];
        if (!options_.printed[n])
            continue;
        const TableRows rows = store_.tableRows(list.table);
        if (rows.empty())
            continue; // an empty list leaves no trace
        PrintTable table = listTable(list.columns, usableWidth_);
        for (const RowView &row : inListingOrder(rows, list.table)) {
            QStringList cells;
            for (const ListColumn &column : list.columns)
                cells << storedText(row, column.cell);
            table.rows.push_back(std::move(cells));
        }
        document.addTable(std::move(table));
        document.addParagraph(blankLine());
    }
}

} // namespace vantorelle
