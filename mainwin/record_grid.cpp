#include "mainwin/record_grid.h"

#include "mainwin/grid_cells.h"
#include "mainwin/master_index.h"
#include "text/cp1252.h"

#include <QHeaderView>
#include <QSignalBlocker>
#include <QTableWidget>

#include <optional>

namespace vantorelle {

namespace {

constexpr int twipsPerInch = 1440;

int twipsToPixels(int twips, const QWidget *widget)
{
    return twips * widget->logicalDpiX() / twipsPerInch;
}

QString text(const std::string &bytes)
{
    return Cp1252::toUnicode(bytes);
}

} // namespace

std::vector<GridRow> gridRows(const GridLayout &layout, std::string_view profileKey,
    const TableAccess &tables, const DisplayPreferences &display)
{
    std::optional<MasterIndex> masters, providers, pharmacies;
    if (layout.master)
        masters.emplace(tables(*layout.master), "Key");
    if (usesRule(layout, FieldValue::Rule::Provider))
        providers.emplace(tables(TableId::ProvID), "Name");
    if (usesRule(layout, FieldValue::Rule::Pharmacy))
        pharmacies.emplace(tables(TableId::PharmID), "Pharmacy");

    ValueSources sources;
    sources.providers = providers ? &*providers : nullptr;
    sources.pharmacies = pharmacies ? &*pharmacies : nullptr;
    sources.display = display;

    std::vector<GridRow> rows;
    MemoryTable &table = tables(layout.table);
    const Criterion ofProfile = Criterion::startsWith("Key", std::string(profileKey));
    table.moveFirst();
    for (bool found = table.find(ofProfile); found;
         table.moveNext(), found = table.find(ofProfile)) {
        const RecordRef current = RecordRef::current(table);
        GridRow row;
        if (masters) {
            const auto master = masters->find(current.value(layout.masterKey));
            if (!master)
                continue; // a link to a master that is gone shows nothing
            sources.record = *master;
            sources.link = current;
            row.link = current.row;
        } else {
            sources.record = current;
        }
        row.record = sources.record.row;
        row.cells.reserve(layout.columns.size());
        for (const GridColumn &column : layout.columns)
            row.cells.push_back(fieldValueText(column.cell, sources));
        rows.push_back(std::move(row));
    }
    return rows;
}

void fillGrid(QTableWidget *grid, const GridLayout &layout, const std::vector<GridRow> &rows,
    std::string_view glucoseUnits)
{
    const QSignalBlocker blocker(grid);
    grid->setUpdatesEnabled(false);
    grid->setRowCount(0);
    grid->setColumnCount(int(layout.columns.size()));

    QStringList headers;
    for (const std::string &header : gridHeaders(layout, glucoseUnits))
        headers << text(header);
    grid->setHorizontalHeaderLabels(headers);
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int column = 0; column < grid->columnCount(); ++column)
        grid->setColumnHidden(column, layout.hidden(column));

    grid->setRowCount(int(rows.size()));
    const int keyColumn = layout.keyColumn();
    for (int r = 0; r < int(rows.size()); ++r) {
        const GridRow &row = rows[std::size_t(r)];
        for (int column = 0; column < int(row.cells.size()); ++column)
            grid->setItem(r, column, new QTableWidgetItem(text(row.cells[std::size_t(column)])));
        if (QTableWidgetItem *key = grid->item(r, keyColumn))
            keepListedRow(key, row.record);
        if (QTableWidgetItem *linkKey = row.link ? grid->item(r, keyColumn + 1) : nullptr)
            keepListedRow(linkKey, *row.link);
    }
    if (!rows.empty())
        grid->setCurrentCell(0, 0);
    grid->setUpdatesEnabled(true);
}

std::vector<int> designedWidths(const GridLayout &layout, const QWidget *grid)
{
    std::vector<int> widths;
    const int lastShown = layout.keyColumn() - 1;
    for (int column = 0; column < int(layout.columns.size()); ++column) {
        const bool designed = column < lastShown && !layout.hidden(column);
        widths.push_back(
            designed ? twipsToPixels(layout.columns[std::size_t(column)].width, grid) : 0);
    }
    return widths;
}

} // namespace vantorelle
