#pragma once

#include "documents/print_document.h"
#include "reports/report_cells.h"

#include <QString>

#include <span>
#include <vector>

namespace vantorelle {

// The pieces every report is made of, in one style.

// "Vantorelle Rize", the date, "Page %d".
RunningText reportRunningText(const QString &date);
// The report's title: bold, centred, above the body.
PrintParagraph reportTitle(const QString &text);
// The blank line after each table.
PrintParagraph blankLine();

// A list table: the columns' widths as fractions of `usableWidth` (twips) and
// their captions, "%1" in a caption standing for `glucoseUnits`.
PrintTable listTable(
    std::span<const ListColumn> columns, int usableWidth, const QString &glucoseUnits = {});
// A details table headed by `title` and a blank: a quarter of the width for
// the labels, the rest for the values.
PrintTable detailsTable(const QString &title, int usableWidth);

} // namespace vantorelle
