#include "editor/contacts_panel.h"

#include "context/edit_state.h"
#include "editor/record_editor.h"
#include "mainwin/record_editor_host.h"

namespace vantorelle {

namespace {

using enum ControlKind;

// Row 6, the other phone, has no control: its stored value is kept.
constexpr PanelControl controls[] = {
    {.row = 1, .kind = Text, .name = "txtConID(1)", .label = "First:", .enterNext = 2},
    {.row = 2, .kind = Text, .name = "txtConID(2)", .label = "Last:", .enterNext = 3},
    {.row = 3, .kind = Text, .name = "txtConID(3)", .label = "Home Phone:", .enterNext = 4},
    {.row = 4, .kind = Text, .name = "txtConID(4)", .label = "Work Phone:", .enterNext = 5},
    {.row = 5, .kind = Text, .name = "txtConID(5)", .label = "Mobile Phone:", .enterNext = 7},
    {.row = 7, .kind = Notes, .name = "txtConID(7)", .label = "Address:"},
    {.row = 8, .kind = Notes, .name = "txtConID(8)", .label = "Notes:"},
};
constexpr int required[] = {1, 2};

// The grid shows a contact as "Last, First".
std::string contactText(const std::vector<std::string> &values, const DisplayPreferences &)
{
    return values[2] + ", " + values[1];
}

} // namespace

const PanelDescriptor ContactsPanel::descriptor = {
    .caption = "Contacts",
    .boxes = "txtCon",
    .table = TableId::ConID,
    .fields = &conIdFields,
    .controls = controls,
    .required = required,
    .message = {"The name fields cannot be blank.", "Please enter a full name."},
    .endColumn = 3,
    .reselectText = contactText,
};

ContactsPanel::ContactsPanel(RecordEditor &editor, RecordEditorHost &host, TopicPanel &panel)
    : MasterPicker(editor, host, panel, MasterList::Contacts, QStringLiteral("cmdContactSelect"),
        QStringLiteral("lstContactSelect"))
{
}

SavedRecord ContactsPanel::store(const EditedRecord &record)
{
    return RecordOperations(host_.store())
        .saveContact(editor_.profileKey(), host_.editState().mode() == EditMode::Add, record,
            shownFirst, shownLast);
}

void ContactsPanel::remember(const std::vector<std::string> &values)
{
    shownFirst = values[1];
    shownLast = values[2];
}

void ContactsPanel::forget()
{
    shownFirst.clear();
    shownLast.clear();
}

} // namespace vantorelle
