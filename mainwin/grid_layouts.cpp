#include "mainwin/grid_layouts.h"

#include <algorithm>
#include <array>

namespace vantorelle {

namespace {

using R = FieldValue::Rule;

constexpr FieldValue text(std::string_view field)
{
    return {R::Text, field};
}
constexpr FieldValue date(std::string_view field)
{
    return {R::Date, field};
}
constexpr FieldValue dateTime()
{
    return {R::DateTime, "Date", "Time", " "};
}
constexpr FieldValue provider()
{
    return {R::Provider, "ProvID"};
}

constexpr GridColumn key {"", hiddenWidth, text("Key")};

constexpr GridColumn insurance[] = {
    {"Company ", 2400, text("Company")},
    {"Type ", 1000, text("Type")},
    {"Group # ", 1300, text("Group")},
    {"Policy # ", 9000, text("Policy")},
    {"", hiddenWidth, {R::LinkText, "InsID"}},
    {"", hiddenWidth, {R::LinkText, "Key"}},
};
constexpr GridColumn contacts[] = {
    {"Name ", 2600, {R::Join, "ConLast", "ConFirst", ", "}},
    {"Home Phone ", 2000, text("Phone1")},
    {"Work Phone ", 9000, text("Phone2")},
    {"", hiddenWidth, {R::LinkText, "ConID"}},
    {"", hiddenWidth, {R::LinkText, "Key"}},
};
constexpr GridColumn allergies[] = {
    {"Allergy ", 4500, text("Allergy")},
    {"Date ", 9000, date("Date")},
    key,
};
constexpr GridColumn illnesses[] = {
    {"Illness/Condition ", 4100, text("Illness")},
    {"Onset Date ", 1200, date("Date")},
    {"Cured Date ", 9000, date("Date2")},
    key,
};
constexpr GridColumn surgeries[] = {
    {"Surgery/Hospitalization ", 4500, text("Surgery")},
    {"Date ", 9000, date("Date")},
    key,
};
constexpr GridColumn appointments[] = {
    {"Physician ", 4500, provider()},
    {"Date/Time ", 9000, dateTime()},
    key,
};
constexpr GridColumn medications[] = {
    {"Medication ", 2600, text("Medication")},
    {"Physican ", 2000, provider()},
    {"Pharmacy ", 9000, {R::Pharmacy, "PharmID"}},
    key,
};
constexpr GridColumn vaccinations[] = {
    {"Vaccination ", 2600, text("Vaccination")},
    {"Date ", 1400, date("Date")},
    {"Physician ", 9000, provider()},
    key,
};
constexpr GridColumn tests[] = {
    {"Test ", 2600, text("Test")},
    {"Date ", 1400, date("Date")},
    {"Physician ", 9000, provider()},
    key,
};
constexpr GridColumn bloodPressure[] = {
    {"BP ", 1000, {R::Join, "SBP", "DBP", " / "}},
    {"Pulse ", 1000, text("Pulse")},
    {"Date/Time ", 9000, dateTime()},
    key,
};
constexpr GridColumn weight[] = {
    {"Weight ", 1200, text("Weight")},
    {"Date/Time ", 9000, dateTime()},
    key,
};
constexpr GridColumn glucose[] = {
    {"Glucose (", 1400, {R::Glucose, "Glucose", "Units"}},
    {"Carbs (g) ", 1200, text("Carbs")},
    {"Insulin ", 1200, text("Insulin")},
    {"Date/Time ", 9000, dateTime()},
    key,
};
constexpr GridColumn cholesterol[] = {
    {"Total ", 900, text("Total")},
    {"LDL ", 900, text("LDL")},
    {"HDL ", 900, text("HDL")},
    {"Tri ", 900, text("Triglycerides")},
    {"Date/Time ", 9000, dateTime()},
    key,
};
constexpr GridColumn family[] = {
    {"Name ", 2000, {R::Join, "FamLast", "FamFirst", ", "}},
    {"Relation ", 1200, text("Relation")},
    {"Side ", 9000, text("Side")},
    key,
};

constexpr std::array<GridLayout, 14> layouts = {{
    {Topic::Insurance, TableId::InsXref, TableId::InsID, "InsID", insurance},
    {Topic::Contacts, TableId::ConXref, TableId::ConID, "ConID", contacts},
    {Topic::Allergies, TableId::Allergy, std::nullopt, {}, allergies},
    {Topic::Illnesses, TableId::Illness, std::nullopt, {}, illnesses},
    {Topic::Surgeries, TableId::Surgery, std::nullopt, {}, surgeries},
    {Topic::Appointments, TableId::Appt, std::nullopt, {}, appointments},
    {Topic::Medications, TableId::Med, std::nullopt, {}, medications},
    {Topic::Vaccinations, TableId::Vacc, std::nullopt, {}, vaccinations},
    {Topic::Tests, TableId::Test, std::nullopt, {}, tests},
    {Topic::BloodPressure, TableId::BP, std::nullopt, {}, bloodPressure},
    {Topic::Weight, TableId::Weight, std::nullopt, {}, weight},
    {Topic::Glucose, TableId::Glucose, std::nullopt, {}, glucose},
    {Topic::Cholesterol, TableId::Chol, std::nullopt, {}, cholesterol},
    {Topic::FamilyHistory, TableId::Family, std::nullopt, {}, family},
}};
static_assert(coversTopicsInOrder(layouts, Topic::Insurance));

} // namespace

int GridLayout::keyColumn() const
{
    const auto found = std::find_if(
        columns.begin(), columns.end(), [](const GridColumn &c) { return c.width == hiddenWidth; });
    return int(found - columns.begin());
}

const GridLayout *gridLayout(Topic topic)
{
    if (topic < Topic::Insurance)
        return nullptr;
    return &layouts[topicIndex(topic) - topicIndex(Topic::Insurance)];
}

std::vector<std::string> gridHeaders(const GridLayout &layout, std::string_view glucoseUnits)
{
    std::vector<std::string> headers;
    for (const GridColumn &column : layout.columns) {
        if (column.cell.rule == FieldValue::Rule::Glucose)
            headers.push_back(std::string(column.header).append(glucoseUnits).append(") "));
        else
            headers.emplace_back(column.header);
    }
    return headers;
}

bool usesRule(const GridLayout &layout, FieldValue::Rule rule)
{
    return std::any_of(layout.columns.begin(), layout.columns.end(),
        [rule](const GridColumn &c) { return c.cell.rule == rule; });
}

} // namespace vantorelle
