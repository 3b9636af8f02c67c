#include "editor/insurance_panel.h"

#include "context/edit_state.h"
#include "editor/record_editor.h"
#include "mainwin/record_editor_host.h"

namespace vantorelle {

namespace {

using enum ControlKind;

constexpr std::string_view insuranceTypes[]
    = {"Health", "Dental", "Vision", "Prescription", "Life", "Auto", "Home", "Other"};

constexpr PanelControl controls[] = {
    {.row = 1, .kind = Text, .name = "txtInsID(1)", .label = "Company:", .enterNext = 2},
    {.row = 2,
        .kind = ListCombo,
        .name = "cboInsType",
        .label = "Type:",
        .items = insuranceTypes,
        .enterNext = 3},
    {.row = 3, .kind = Text, .name = "txtInsID(3)", .label = "Group #:", .enterNext = 4},
    {.row = 4, .kind = Text, .name = "txtInsID(4)", .label = "Policy #:", .enterNext = 5},
    {.row = 5,
        .kind = Date,
        .name = "dtInsDate",
        .label = "Date:",
        .clear = ClearTo::None,
        .enterNext = 6,
        .checkBox = true},
    {.row = 6, .kind = Text, .name = "txtInsID(6)", .label = "Phone:", .enterNext = 7},
    {.row = 7, .kind = Text, .name = "txtInsID(7)", .label = "FAX:", .enterNext = 8},
    {.row = 8, .kind = Notes, .name = "txtInsID(8)", .label = "Address:"},
    {.row = 9, .kind = Notes, .name = "txtInsID(9)", .label = "Notes:"},
};
constexpr int required[] = {1};

} // namespace

const PanelDescriptor InsurancePanel::descriptor = {
    .caption = "Insurance",
    .boxes = "txtIns",
    .table = TableId::InsID,
    .fields = &insIdFields,
    .controls = controls,
    .required = required,
    .message = {"The company field cannot be blank.", "Please enter a company name."},
    .endColumn = 3,
};

InsurancePanel::InsurancePanel(RecordEditor &editor, RecordEditorHost &host, TopicPanel &panel)
    : MasterPicker(editor, host, panel, MasterList::Insurance, QStringLiteral("cmdInsuranceSelect"),
        QStringLiteral("lstInsuranceSelect"))
{
}

SavedRecord InsurancePanel::store(const EditedRecord &record)
{
    return RecordOperations(host_.store())
        .saveInsurance(
            editor_.profileKey(), host_.editState().mode() == EditMode::Add, record, shownCompany);
}

void InsurancePanel::remember(const std::vector<std::string> &values)
{
    shownCompany = values[1];
}

void InsurancePanel::forget()
{
    shownCompany.clear();
}

} // namespace vantorelle
