#include "exchange/database_export.h"

#include "exchange/export_line.h"
#include "exchange/lxp_format.h"
#include "store/listing_order.h"
#include "text/cp1252.h"

#include <QDate>
#include <QLocale>

#include <vector>

namespace vantorelle {

namespace {

// Record lines between two progress reports.
constexpr std::size_t progressStep = 4096;

} // namespace

DatabaseExport::DatabaseExport(Store &store)
    : store_(store)
{
}

std::size_t DatabaseExport::write(ExportFile &file, std::string_view path, std::string_view date,
    const ExportProgress &progress) const
{
    std::string &out = file.buffer();
    out.append(lxpHeaderLine(path, date));
    appendLineEnd(out);

    std::size_t lines = 0;
    std::vector<std::size_t> columns;
    for (const LxpSection &section : lxpSections) {
        const MemoryTable &table = store_.table(section.table);
        const std::size_t keyColumn = *table.columnIndex("Key");
        columns.clear();
        for (const std::string_view field : section.valueFields())
            columns.push_back(*table.columnIndex(field));
        for (const RowView record :
            inListingOrder(store_.tableRows(section.table), section.table)) {
            appendLxpLineStart(out, section, record.value(keyColumn));
            for (const std::size_t column : columns)
                appendLxpValue(out, section, record.value(column));
            appendLineEnd(out);
            file.writeWhenFull();
            if (++lines % progressStep == 0 && progress)
                progress(lines);
        }
    }
    if (progress && lines % progressStep != 0)
        progress(lines);
    return lines;
}

std::string lxpHeaderDate(const LocalDateTime &day)
{
    const QDate date(day.year, day.month, day.day);
    return Cp1252::toStdString(QLocale().toString(date, QStringLiteral("MMM d, yyyy")));
}

} // namespace vantorelle
