#pragma once

#include "reports/master_names.h"
#include "reports/report_cells.h"
#include "store/display_preferences.h"
#include "store/table_rows.h"

#include <QString>

#include <string>

namespace vantorelle {

// Turns a record's stored fields into the texts a report prints: dates and
// times in the display form, providers and pharmacies by name, glucose in the
// preferred units. Unknown field names throw TableError.
class CellFormatter {
public:
    // The name lists are kept by reference.
    CellFormatter(const DisplayPreferences &display, const MasterNames &providers,
        const MasterNames &pharmacies);

    // The field as shown, in the table files' bytes (cp1252).
    std::string bytes(const RowView &row, const ShownField &field) const;
    QString text(const RowView &row, const ShownField &field) const;
    QString text(const RowView &row, const CellValue &cell) const;

private:
    const DisplayPreferences &display_;
    const MasterNames &providers_;
    const MasterNames &pharmacies_;
};

// cp1252 bytes as text.
QString textOf(std::string_view bytes);

} // namespace vantorelle
