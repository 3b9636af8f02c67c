#pragma once

#include <string>
#include <string_view>

namespace vantorelle {

// The order a date is shown in; the preference text names it ("mmddyyyy",
// "ddmmyyyy", "yyyymmdd"), and any other text shows month first.
enum class DateFormat { MonthDayYear, DayMonthYear, YearMonthDay };

DateFormat dateFormatFromText(std::string_view text);

// The preference values as the preferences table holds them (cp1252 bytes),
// each its built-in default when the table has no visible record of it.
struct StoredPreferences {
    std::string password;
    std::string currencySymbol = "$";
    std::string dateFormat = "mmddyyyy";
    std::string dateSeparator = "/";
    std::string glucoseUnits = "mg/dL";
};

// How the views show stored values: dates, amounts and glucose readings.
// Texts are cp1252 bytes, as stored.
struct DisplayPreferences {
    std::string currencySymbol = "$";
    DateFormat dateFormat = DateFormat::MonthDayYear;
    std::string dateSeparator = "/";
    std::string glucoseUnits = "mg/dL";

    static DisplayPreferences from(const StoredPreferences &stored);
    bool operator==(const DisplayPreferences &) const = default;
};

} // namespace vantorelle
