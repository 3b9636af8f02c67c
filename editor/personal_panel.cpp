#include "editor/personal_panel.h"

#include "context/edit_state.h"
#include "context/main_window_context.h"
#include "editor/topic_panel.h"
#include "mainwin/master_list_filler.h"
#include "store/stored_dates.h"
#include "text/cp1252.h"
#include "widgets/accessible_caption.h"
#include "widgets/date_time_picker.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace vantorelle {

namespace {

using enum ControlKind;

constexpr std::string_view phoneTypes[]
    = {"Home Ph", "Work Ph", "Cell Ph", "Mobile Ph", "Other Ph", "FAX"};
constexpr std::string_view idTypes[] = {"SSN", "Passport", "SIN", "ID #", "SOFI", "Other #"};
constexpr std::string_view genders[] = {"M", "F"};
constexpr std::string_view maritalStates[] = {"Divorced", "Married", "Single", "Widowed"};
// The empty entry takes a blood type back.
constexpr std::string_view bloodTypes[] = {"A+", "A-", "B+", "B-", "AB+", "AB-", "O+", "O-", ""};
constexpr std::string_view yesNo[] = {"Yes", "No"};

// The phone and ID types are the captions of the boxes beside them.
constexpr PanelControl controls[] = {
    {.row = 1, .kind = Text, .name = "txtMainID(1)", .label = "First Name:", .enterNext = 2},
    {.row = 2, .kind = Text, .name = "txtMainID(2)", .label = "Last Name:", .enterNext = 3},
    {.row = 3,
        .kind = Date,
        .name = "dtDate0",
        .label = "Birthdate:",
        .clear = ClearTo::None,
        .enterNext = 12,
        .checkBox = true},
    {.row = 5,
        .kind = ListCombo,
        .name = "cboPhoneType",
        .label = "",
        .clear = ClearTo::Text,
        .items = phoneTypes,
        .enterNext = 4,
        .clearText = "Home Ph",
        .asLabel = true},
    {.row = 4, .kind = Text, .name = "txtMainID(4)", .label = "", .enterNext = 14},
    {.row = 11,
        .kind = ListCombo,
        .name = "cboSSNType",
        .label = "",
        .clear = ClearTo::Text,
        .items = idTypes,
        .enterNext = 10,
        .clearText = "SSN",
        .asLabel = true},
    {.row = 10, .kind = Text, .name = "txtMainID(10)", .label = "", .enterNext = 4},
    {.row = 12,
        .kind = ListCombo,
        .name = "cboGender",
        .label = "Gender:",
        .items = genders,
        .enterNext = 15},
    {.row = 13,
        .kind = ListCombo,
        .name = "cboMarital",
        .label = "Marital Status:",
        .items = maritalStates,
        .enterNext = 21},
    {.row = 14, .kind = Notes, .name = "txtMainID(14)", .label = "Address:"},
    {.row = 15,
        .kind = ListCombo,
        .name = "cboBlood",
        .label = "Blood Type:",
        .items = bloodTypes,
        .enterNext = 11},
    {.row = 16,
        .kind = Text,
        .name = "txtMainID(16)",
        .label = "Height:",
        .enterNext = 17,
        .heading = "Personal Typical Values:"},
    {.row = 17, .kind = Text, .name = "txtMainID(17)", .label = "Weight:", .enterNext = 20},
    {.row = 18, .kind = Text, .name = "txtMainID(18)", .label = "Blood Pressure:", .enterNext = 16},
    {.row = 19, .kind = Text, .name = "txtMainID(19)", .label = "Pulse:", .enterNext = 18},
    {.row = 20, .kind = Text, .name = "txtMainID(20)", .label = "Cholesterol:"},
    {.row = 21,
        .kind = ListCombo,
        .name = "cboDonor",
        .label = "Organ Donor:",
        .items = yesNo,
        .enterNext = 22},
    {.row = 22, .kind = Notes, .name = "txtMainID(22)", .label = "Will:"},
    {.row = 23, .kind = Notes, .name = "txtMainID(23)", .label = "Living Will:"},
    {.row = 24,
        .kind = EditCombo,
        .name = "cboAttorney",
        .label = "Power of Attorney:",
        .enterNext = 25,
        .master = MasterList::Contacts},
    {.row = 25,
        .kind = EditCombo,
        .name = "cboKin",
        .label = "Next of Kin:",
        .enterNext = 26,
        .master = MasterList::Contacts},
    {.row = 26, .kind = Text, .name = "txtMainID(26)", .label = "Resuscitation Status:"},
    {.row = 27, .kind = Notes, .name = "txtMainID(27)", .label = "Notes:"},
};
constexpr int required[] = {1, 2};

std::string_view valueOf(const EditedRecord &record, std::string_view field)
{
    for (const auto &[name, value] : record.values) {
        if (name == field)
            return value;
    }
    return {};
}

} // namespace

const PanelDescriptor PersonalPanel::descriptor = {
    .caption = "Personal",
    .boxes = "txtMainID",
    .table = TableId::MainID,
    .fields = &mainIdFields,
    .controls = controls,
    .required = required,
    .message = {"The name fields cannot be blank.", "Please enter a full name."},
    .endColumn = 0,
    .hiddenBoxes = {"txtKey", "txtID", "txtSTATUS"},
};

PersonalPanel::PersonalPanel(MainWindowContext &context, TopicPanel &panel)
    : context_(context)
    , panel_(panel)
    , age_(new QLineEdit(&panel))
{
    age_->setObjectName(QStringLiteral("txtAge"));
    age_->setReadOnly(true);
    DateTimePicker *birth = panel.picker(3);
    auto *layout = static_cast<QGridLayout *>(panel.layout());
    int line = 0, column = 0, rows = 0, columns = 0;
    layout->getItemPosition(layout->indexOf(birth), &line, &column, &rows, &columns);
    auto *ageLabel = new QLabel(QStringLiteral("Age:"), &panel);
    layout->addWidget(ageLabel, line, column + 1);
    layout->addWidget(age_, line, column + 2);
    captionControl(*ageLabel, *age_);
    // The age follows the birth date, whoever sets it.
    QObject::connect(birth, &DateTimePicker::changed, age_, [this, birth] {
        age_->setText(QString::fromStdString(ageInYears(birth->storedText().toStdString())));
    });
}

void PersonalPanel::afterClear()
{
    shownFirst.clear();
    shownLast.clear();
}

void PersonalPanel::afterShow()
{
    const std::vector<std::string> values = panel_.values();
    age_->setText(QString::fromStdString(ageInYears(values[3])));
    shownFirst = values[1];
    shownLast = values[2];
}

SavedRecord PersonalPanel::store(const EditedRecord &record)
{
    const bool adding = context_.editState().mode() == EditMode::Add;
    relist_
        = adding || valueOf(record, "First") != shownFirst || valueOf(record, "Last") != shownLast;
    return RecordOperations(context_.store()).saveProfile(record, adding, shownFirst, shownLast);
}

bool PersonalPanel::refresh(const SavedRecord &saved)
{
    if (relist_ || !context_.selectProfile(saved.key)) {
        context_.showRecords();
        context_.selectProfile(saved.key);
    }
    context_.showTopic();
    return true;
}

} // namespace vantorelle
