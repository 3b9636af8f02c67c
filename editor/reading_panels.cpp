#include "editor/reading_panels.h"

#include "editor/topic_panel.h"
#include "mainwin/glucose_units.h"
#include "store/preference_globals.h"

#include <QComboBox>

namespace {

using enum ControlKind;

constexpr std::string_view activities[] = {"Rest", "Normal", "Moderate", "Strenuous"};

constexpr PanelControl bpControls[] = {
    {1, Text, "txtBP(1)", "Systolic:", ClearTo::Empty, {}, 2},
    {2, Text, "txtBP(2)", "Diastolic:", ClearTo::Empty, {}, 3},
    {3, Text, "txtBP(3)", "Pulse:", ClearTo::Empty, {}, 4},
    {4, Date, "dtBPDate", "Date:", ClearTo::Now, {}, 5},
    {5, Time, "dtBPTime", "Time:", ClearTo::Now, {}, 6, false, true},
    {6, EditCombo, "cboBPActivity", "Activity:", ClearTo::Empty, activities, 7},
    {7, Notes, "txtBP(7)", "Notes:"},
};
constexpr int bpRequired[] = {1, 2, 4, 5};

// The grid shows a blood pressure as "SBP / DBP".
std::string bpText(const std::vector<std::string> &values)
{
    return values[1] + " / " + values[2];
}

constexpr PanelControl cholControls[] = {
    {1, Text, "txtChol(1)", "Total:", ClearTo::Empty, {}, 2},
    {2, Text, "txtChol(2)", "LDL:", ClearTo::Empty, {}, 3},
    {3, Text, "txtChol(3)", "HDL:", ClearTo::Empty, {}, 4},
    {4, Text, "txtChol(4)", "Triglycerides:"},
    {5, Date, "dtCholDate", "Date:", ClearTo::Now},
    {6, Time, "dtCholTime", "Time:", ClearTo::Now, {}, EnterPasses, true},
    {7, Notes, "txtChol(7)", "Notes:"},
};
constexpr int cholRequired[] = {1, 5, 6};

constexpr PanelControl weightControls[] = {
    {1, Text, "txtWt(1)", "Weight:", ClearTo::Empty, {}, 2},
    {2, Date, "dtWtDate", "Date:", ClearTo::Now, {}, 3},
    {3, Time, "dtWtTime", "Time:", ClearTo::Now, {}, 4, false, true, true},
    {4, Notes, "txtWt(4)", "Notes:"},
};
constexpr int weightRequired[] = {1, 2, 3};

constexpr std::string_view glucoseUnits[] = {"mg/dL", "mmol/L"};
constexpr std::string_view glucoseEvents[] = {
    "Fasting", "Pre-Breakfast", "Post-Breakfast", "Pre-Lunch", "Post-Lunch",
    "Pre-Dinner", "Post-Dinner", "Evening", "Bedtime", "Nighttime",
    "Pre-Snack", "Post-Snack", "Other",
};

constexpr PanelControl glucoseControls[] = {
    {1, Text, "txtGlucose(1)", "Glucose:", ClearTo::Empty, {}, 2},
    {2, ListCombo, "cboGlucoseUnits", "", ClearTo::Keep, glucoseUnits, 3},
    {3, Text, "txtGlucose(3)", "Carbs (g):", ClearTo::Empty, {}, 8},
    {4, EditCombo, "cboGlucoseEvent", "Event:", ClearTo::Empty, glucoseEvents, 5},
    {5, Date, "dtGlucoseDate", "Date:", ClearTo::Now, {}, 6},
    {6, Time, "dtGlucoseTime", "Time:", ClearTo::Now, {}, 7, false, true},
    {7, Notes, "txtGlucose(7)", "Notes:"},
    {8, Text, "txtGlucose(8)", "Insulin:", ClearTo::Empty, {}, 4},
};
constexpr int glucoseRequired[] = {1, 5, 6};

// The grid shows a reading in the preferred units, converted when it was
// typed in the other.
std::string glucoseText(const std::vector<std::string> &values)
{
    return GlucoseInUnits(values[1], values[2], preferenceGlobals().GlucoseUnits);
}

// A new reading starts in the preferred units: the first unit when the
// preference names it exactly, else the second.
void presetGlucoseUnits(TopicPanel &panel)
{
    QComboBox *units = panel.combo(2);
    const bool first = units->itemText(0).toStdString() == preferenceGlobals().GlucoseUnits;
    units->setCurrentIndex(first ? 0 : 1);
}

} // namespace

const PanelDescriptor BloodPressurePanel = {
    11, "bp", "Blood Pressure", "txtBP", TableId::BP, &BPFields, bpControls, bpRequired,
    {"The BP and date/time fields cannot be blank.", "Please enter a BP and date/time."},
    3, bpText,
};

const PanelDescriptor CholesterolPanel = {
    14, "chol", "Cholesterol", "txtChol", TableId::Chol, &CholFields, cholControls, cholRequired,
    {"The total and date/time fields cannot be blank.", "Please enter a Total and date/time."},
    5,
};

const PanelDescriptor WeightPanel = {
    12, "wt", "Weight", "txtWt", TableId::Weight, &WeightFields, weightControls, weightRequired,
    {"The weight and date/time fields cannot be blank.", "Please enter a weight and date/time."},
    2,
};

const PanelDescriptor GlucosePanel = {
    13, "glucose", "Glucose", "txtGlucose", TableId::Glucose, &GlucoseFields, glucoseControls,
    glucoseRequired,
    {"The glucose and date/time fields cannot be blank.", "Please enter a glucose and date/time."},
    3, glucoseText, presetGlucoseUnits,
};
