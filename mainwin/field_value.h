#pragma once

#include "mainwin/record_ref.h"
#include "store/display_preferences.h"

#include <string>
#include <string_view>

namespace vantorelle {

class MasterIndex;

// How a grid cell or a record-view line makes its text from a record.
struct FieldValue {
    enum class Rule {
        Text, // the field as stored
        Join, // field, separator, field2 (never empty when separator is not)
        Date, // the stored date as the date preferences show it
        DateTime, // the date, separator, then the time field2 on the 12-hour clock
        DateWithAge, // the date and " (Age: n)"; "" for no date
        Provider, // the name of the provider whose Key the field holds
        Pharmacy, // the name of the pharmacy whose Key the field holds
        Glucose, // the reading (field) stored in units (field2), in the preferred units
        LinkText, // the field of the profile's link record
    };
    Rule rule = Rule::Text;
    std::string_view field;
    std::string_view field2 = {};
    std::string_view separator = {};
};

// What the values are read from.
struct ValueSources {
    RecordRef record; // the topic record; the master record for insurance and contacts
    RecordRef link; // the profile's link record, for insurance and contacts
    const MasterIndex *providers = nullptr; // needed by Provider values
    const MasterIndex *pharmacies = nullptr; // needed by Pharmacy values
    DisplayPreferences display; // dates and glucose readings are shown by these
};

// The text of `value` for the record in `sources`.
std::string fieldValueText(const FieldValue &value, const ValueSources &sources);

} // namespace vantorelle
