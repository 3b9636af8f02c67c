#pragma once

#include "store/memory_table.h"

#include <QString>

class QTableWidget;

namespace vantorelle {

// The record grid's row that shows a record just saved: of the rows whose
// first cell reads `text`, the one whose key cell keeps the saved row `saved`
// (listedRow), or else the last of them; -1 when no row reads `text`. A row is
// never chosen for its text alone when another row of that text is the saved
// record itself, nor for its Key alone, which other records may share.
int savedRow(const QTableWidget *grid, const QString &text, RowHandle saved, int keyColumn);

} // namespace vantorelle
