#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantorelle {

// The order of month and day in the dates of an import file, as the import
// dialog offers it: "mm/dd/yyyy" or "dd/mm/yyyy".
enum class ImportDateOrder {
    MonthDayYear,
    DayMonthYear,
};

// A date of an import file in its stored form "yyyymmdd": month and day of one
// or two digits and a year of four, separated by "/" in `order`, blanks around
// it ignored. Nothing when it is anything else or no real day (a month outside
// 1-12, a day the month does not have, year 0).
std::optional<std::string> importDate(std::string_view text, ImportDateOrder order);

// A time of an import file in its stored form "HH:mm": H:mm or HH:mm, then
// optionally ":ss" (dropped), then optionally AM or PM in either case, with or
// without a blank before it; blanks around it ignored. Hours run 0-23 without
// AM/PM and 1-12 with it (12 AM is 00, 12 PM is 12). A blank text gives "" (no
// time). Nothing when it is anything else.
std::optional<std::string> importTime(std::string_view text);

} // namespace vantorelle
