#include "mainwin/field_value.h"

#include "mainwin/glucose_units.h"
#include "mainwin/master_index.h"
#include "store/stored_dates.h"

std::string FieldValueText(const FieldValue &value, const ValueSources &sources)
{
    const auto field = [&](std::string_view name) { return sources.record.value(name); };
    std::string text;
    switch (value.rule) {
    case FieldValue::Rule::Text:
        text = field(value.field);
        break;
    case FieldValue::Rule::Join:
        text.append(field(value.field)).append(value.separator).append(field(value.field2));
        break;
    case FieldValue::Rule::Date:
        text = FormatStoredDate(field(value.field));
        break;
    case FieldValue::Rule::DateTime:
        text = FormatStoredDate(field(value.field));
        text.append(value.separator).append(FormatTime12(field(value.field2)));
        break;
    case FieldValue::Rule::DateWithAge: {
        const std::string_view date = field(value.field);
        if (!date.empty())
            text = FormatStoredDate(date) + " (Age: " + CalcAge(date) + ")";
        break;
    }
    case FieldValue::Rule::Provider:
        text = sources.providers->name(field(value.field));
        break;
    case FieldValue::Rule::Pharmacy:
        text = sources.pharmacies->name(field(value.field));
        break;
    case FieldValue::Rule::Glucose:
        text = GlucoseInUnits(field(value.field), field(value.field2), sources.glucoseUnits);
        break;
    case FieldValue::Rule::LinkText:
        text = sources.link.value(value.field);
        break;
    }
    return text;
}
