#pragma once

#include <QString>

class QTableWidget;

namespace vantorelle {

// The record grid's row that shows a record just saved: of the rows whose
// first cell reads `text`, the one whose key column holds `key`, or else the
// last of them; -1 when no row reads `text`. A row is never chosen for its
// text alone when another row of that text is the saved record itself.
int savedRow(const QTableWidget *grid, const QString &text, const QString &key, int keyColumn);

} // namespace vantorelle
