#include "mainwin/field_value.h"

#include "mainwin/master_index.h"
#include "store/glucose_units.h"
#include "store/stored_dates.h"

namespace vantorelle {

std::string fieldValueText(const FieldValue &value, const ValueSources &sources)
{
    const auto field = [&](std::string_view name) { return sources.record.value(name); };
    const auto date = [&](std::string_view stored) {
        return formatStoredDate(stored, sources.display.dateFormat, sources.display.dateSeparator);
    };
    std::string text;
    switch (value.rule) {
    case FieldValue::Rule::Text:
        text = field(value.field);
        break;
    case FieldValue::Rule::Join:
        text.append(field(value.field)).append(value.separator).append(field(value.field2));
        break;
    case FieldValue::Rule::Date:
        text = date(field(value.field));
        break;
    case FieldValue::Rule::DateTime:
        text = date(field(value.field));
        text.append(value.separator).append(twelveHourTime(field(value.field2)));
        break;
    case FieldValue::Rule::DateWithAge: {
        const std::string_view birth = field(value.field);
        if (!birth.empty())
            text = date(birth) + " (Age: " + ageInYears(birth) + ")";
        break;
    }
    case FieldValue::Rule::Provider:
        text = sources.providers->name(field(value.field));
        break;
    case FieldValue::Rule::Pharmacy:
        text = sources.pharmacies->name(field(value.field));
        break;
    case FieldValue::Rule::Glucose:
        text
            = glucoseInUnits(field(value.field), field(value.field2), sources.display.glucoseUnits);
        break;
    case FieldValue::Rule::LinkText:
        text = sources.link.value(value.field);
        break;
    }
    return text;
}

} // namespace vantorelle
