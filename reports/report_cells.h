#pragma once

#include <string_view>

namespace vantorelle {

// How a report shows a stored value.
enum class Shown {
    Stored, // as stored
    Date, // a "yyyymmdd" date in the preferred date format
    Time, // an "HH:mm" time on the 12-hour clock
    Provider, // a provider's Key as the provider's name
    Pharmacy, // a pharmacy's Key as the pharmacy's name
    Glucose, // a glucose reading in the preferred units (the record's "Units" give its own)
};

// One field of a record as a report shows it.
struct ShownField {
    Shown shown = Shown::Stored;
    std::string_view field; // the field's name
};

// The text of one cell: a field, or two fields joined by a text ("First Last",
// "120/80", a date and a time).
struct CellValue {
    ShownField first;
    std::string_view joiner = {};
    ShownField second = {}; // none when its field is empty
};

// A column of a list table: its caption, its width as a fraction of the
// usable width, and its cell. "%1" in a caption stands for the preferred
// glucose units.
struct ListColumn {
    std::string_view caption;
    double fraction;
    CellValue cell;
};

// Building the tables' entries.
constexpr ShownField asStored(std::string_view field)
{
    return {Shown::Stored, field};
}
constexpr ShownField asDate(std::string_view field)
{
    return {Shown::Date, field};
}
constexpr ShownField asTime(std::string_view field)
{
    return {Shown::Time, field};
}
constexpr ShownField asProvider(std::string_view field)
{
    return {Shown::Provider, field};
}
constexpr ShownField asPharmacy(std::string_view field)
{
    return {Shown::Pharmacy, field};
}
constexpr ShownField asGlucose(std::string_view field)
{
    return {Shown::Glucose, field};
}
constexpr CellValue joined(ShownField first, std::string_view joiner, ShownField second)
{
    return {first, joiner, second};
}
constexpr CellValue dateTime(std::string_view dateField, std::string_view timeField)
{
    return joined(asDate(dateField), " ", asTime(timeField));
}

} // namespace vantorelle
