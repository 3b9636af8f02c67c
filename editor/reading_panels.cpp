#include "editor/reading_panels.h"

#include "editor/topic_panel.h"
#include "store/glucose_units.h"

#include <QComboBox>

namespace vantorelle {

namespace {

using enum ControlKind;

constexpr std::string_view activities[] = {"Rest", "Normal", "Moderate", "Strenuous"};

constexpr PanelControl bpControls[] = {
    {.row = 1, .kind = Text, .name = "txtBP(1)", .label = "Systolic:", .enterNext = 2},
    {.row = 2, .kind = Text, .name = "txtBP(2)", .label = "Diastolic:", .enterNext = 3},
    {.row = 3, .kind = Text, .name = "txtBP(3)", .label = "Pulse:", .enterNext = 4},
    {.row = 4,
        .kind = Date,
        .name = "dtBPDate",
        .label = "Date:",
        .clear = ClearTo::Now,
        .enterNext = 5},
    {.row = 5,
        .kind = Time,
        .name = "dtBPTime",
        .label = "Time:",
        .clear = ClearTo::Now,
        .enterNext = 6,
        .midnightShowsNone = true},
    {.row = 6,
        .kind = EditCombo,
        .name = "cboBPActivity",
        .label = "Activity:",
        .items = activities,
        .enterNext = 7},
    {.row = 7, .kind = Notes, .name = "txtBP(7)", .label = "Notes:"},
};
constexpr int bpRequired[] = {1, 2, 4, 5};

// The grid shows a blood pressure as "SBP / DBP".
std::string bpText(const std::vector<std::string> &values, const DisplayPreferences &)
{
    return values[1] + " / " + values[2];
}

constexpr PanelControl cholControls[] = {
    {.row = 1, .kind = Text, .name = "txtChol(1)", .label = "Total:", .enterNext = 2},
    {.row = 2, .kind = Text, .name = "txtChol(2)", .label = "LDL:", .enterNext = 3},
    {.row = 3, .kind = Text, .name = "txtChol(3)", .label = "HDL:", .enterNext = 4},
    {.row = 4, .kind = Text, .name = "txtChol(4)", .label = "Triglycerides:"},
    {.row = 5, .kind = Date, .name = "dtCholDate", .label = "Date:", .clear = ClearTo::Now},
    {.row = 6,
        .kind = Time,
        .name = "dtCholTime",
        .label = "Time:",
        .clear = ClearTo::Now,
        .checkBox = true},
    {.row = 7, .kind = Notes, .name = "txtChol(7)", .label = "Notes:"},
};
constexpr int cholRequired[] = {1, 5, 6};

constexpr PanelControl weightControls[] = {
    {.row = 1, .kind = Text, .name = "txtWt(1)", .label = "Weight:", .enterNext = 2},
    {.row = 2,
        .kind = Date,
        .name = "dtWtDate",
        .label = "Date:",
        .clear = ClearTo::Now,
        .enterNext = 3},
    {.row = 3,
        .kind = Time,
        .name = "dtWtTime",
        .label = "Time:",
        .clear = ClearTo::Now,
        .enterNext = 4,
        .midnightShowsNone = true,
        .checkBoxOnNone = true},
    {.row = 4, .kind = Notes, .name = "txtWt(4)", .label = "Notes:"},
};
constexpr int weightRequired[] = {1, 2, 3};

constexpr std::string_view glucoseUnits[] = {"mg/dL", "mmol/L"};
constexpr std::string_view glucoseEvents[] = {
    "Fasting",
    "Pre-Breakfast",
    "Post-Breakfast",
    "Pre-Lunch",
    "Post-Lunch",
    "Pre-Dinner",
    "Post-Dinner",
    "Evening",
    "Bedtime",
    "Nighttime",
    "Pre-Snack",
    "Post-Snack",
    "Other",
};

// The units list stands beside the glucose box, without a label of its own.
constexpr PanelControl glucoseControls[] = {
    {.row = 1, .kind = Text, .name = "txtGlucose(1)", .label = "Glucose:", .enterNext = 2},
    {.row = 2,
        .kind = ListCombo,
        .name = "cboGlucoseUnits",
        .label = "",
        .items = glucoseUnits,
        .enterNext = 3},
    {.row = 3, .kind = Text, .name = "txtGlucose(3)", .label = "Carbs (g):", .enterNext = 8},
    {.row = 4,
        .kind = EditCombo,
        .name = "cboGlucoseEvent",
        .label = "Event:",
        .items = glucoseEvents,
        .enterNext = 5},
    {.row = 5,
        .kind = Date,
        .name = "dtGlucoseDate",
        .label = "Date:",
        .clear = ClearTo::Now,
        .enterNext = 6},
    {.row = 6,
        .kind = Time,
        .name = "dtGlucoseTime",
        .label = "Time:",
        .clear = ClearTo::Now,
        .enterNext = 7,
        .midnightShowsNone = true},
    {.row = 7, .kind = Notes, .name = "txtGlucose(7)", .label = "Notes:"},
    {.row = 8, .kind = Text, .name = "txtGlucose(8)", .label = "Insulin:", .enterNext = 4},
};
constexpr int glucoseRequired[] = {1, 5, 6};

// The grid shows a reading in the preferred units, converted when it was
// typed in the other.
std::string glucoseText(const std::vector<std::string> &values, const DisplayPreferences &display)
{
    return glucoseInUnits(values[1], values[2], display.glucoseUnits);
}

// A new reading starts in the preferred units: the first unit when the
// preference names it exactly, else the second.
void presetGlucoseUnits(TopicPanel &panel, const DisplayPreferences &display)
{
    QComboBox *units = panel.combo(2);
    const bool first = units->itemText(0).toStdString() == display.glucoseUnits;
    units->setCurrentIndex(first ? 0 : 1);
}

} // namespace

const PanelDescriptor bloodPressurePanel = {
    .caption = "Blood Pressure",
    .boxes = "txtBP",
    .table = TableId::BP,
    .fields = &bpFields,
    .controls = bpControls,
    .required = bpRequired,
    .message = {"The BP and date/time fields cannot be blank.", "Please enter a BP and date/time."},
    .endColumn = 3,
    .reselectText = bpText,
};

const PanelDescriptor cholesterolPanel = {
    .caption = "Cholesterol",
    .boxes = "txtChol",
    .table = TableId::Chol,
    .fields = &cholFields,
    .controls = cholControls,
    .required = cholRequired,
    .message
    = {"The total and date/time fields cannot be blank.", "Please enter a Total and date/time."},
    .endColumn = 5,
};

const PanelDescriptor weightPanel = {
    .caption = "Weight",
    .boxes = "txtWt",
    .table = TableId::Weight,
    .fields = &weightFields,
    .controls = weightControls,
    .required = weightRequired,
    .message
    = {"The weight and date/time fields cannot be blank.", "Please enter a weight and date/time."},
    .endColumn = 2,
};

const PanelDescriptor glucosePanel = {
    .caption = "Glucose",
    .boxes = "txtGlucose",
    .table = TableId::Glucose,
    .fields = &glucoseFields,
    .controls = glucoseControls,
    .required = glucoseRequired,
    .message = {"The glucose and date/time fields cannot be blank.",
        "Please enter a glucose and date/time."},
    .endColumn = 3,
    .reselectText = glucoseText,
    .afterClear = presetGlucoseUnits,
};

} // namespace vantorelle
