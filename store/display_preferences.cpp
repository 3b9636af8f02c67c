#include "store/display_preferences.h"

namespace vantorelle {

DateFormat dateFormatFromText(std::string_view text)
{
    if (text == "ddmmyyyy")
        return DateFormat::DayMonthYear;
    if (text == "yyyymmdd")
        return DateFormat::YearMonthDay;
    return DateFormat::MonthDayYear;
}

DisplayPreferences DisplayPreferences::from(const StoredPreferences &stored)
{
    return {stored.currencySymbol, dateFormatFromText(stored.dateFormat), stored.dateSeparator,
        stored.glucoseUnits};
}

} // namespace vantorelle
