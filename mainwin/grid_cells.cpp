#include "mainwin/grid_cells.h"

#include <QTableWidget>

namespace vantorelle {

namespace {

constexpr int rowHandleRole = Qt::UserRole;

} // namespace

QString cellText(const QTableWidget *grid, int row, int column)
{
    const QTableWidgetItem *item = grid->item(row, column);
    return item ? item->text() : QString();
}

void keepListedRow(QTableWidgetItem *keyCell, RowHandle row)
{
    keyCell->setData(rowHandleRole, QVariant::fromValue(row));
}

std::optional<RowHandle> listedRow(const QTableWidget *grid, int row, int column)
{
    const QTableWidgetItem *item = grid->item(row, column);
    const QVariant handle = item ? item->data(rowHandleRole) : QVariant();
    if (!handle.isValid())
        return std::nullopt;
    return handle.value<RowHandle>();
}

} // namespace vantorelle
