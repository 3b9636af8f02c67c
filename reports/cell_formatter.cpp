#include "reports/cell_formatter.h"

#include "store/glucose_units.h"
#include "store/stored_dates.h"
#include "text/cp1252.h"

#include <QByteArray>

namespace vantorelle {

QString textOf(std::string_view bytes)
{
    return Cp1252::toUnicode(
        QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

CellFormatter::CellFormatter(
    const DisplayPreferences &display, const MasterNames &providers, const MasterNames &pharmacies)
    : display_(display)
    , providers_(providers)
    , pharmacies_(pharmacies)
{
}

std::string CellFormatter::bytes(const RowView &row, const ShownField &field) const
{
    const std::string_view value = row.value(field.field);
    switch (field.shown) {
    case Shown::Stored:
        break;
    case Shown::Date:
        return formatStoredDate(value, display_.dateFormat, display_.dateSeparator);
    case Shown::Time:
        return twelveHourTime(value);
    case Shown::Provider:
        return providers_.name(value);
    case Shown::Pharmacy:
        return pharmacies_.name(value);
    case Shown::Glucose:
        return glucoseInUnits(value, row.value("Units"), display_.glucoseUnits);
    }
    return std::string(value);
}

QString CellFormatter::text(const RowView &row, const ShownField &field) const
{
    if (field.shown == Shown::Stored)
        return textOf(row.value(field.field));
    return textOf(bytes(row, field));
}

QString CellFormatter::text(const RowView &row, const CellValue &cell) const
{
    if (cell.second.field.empty())
        return text(row, cell.first);
    std::string joined = bytes(row, cell.first);
    joined += cell.joiner;
    joined += bytes(row, cell.second);
    return textOf(joined);
}

} // namespace vantorelle
