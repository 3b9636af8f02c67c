#include "masters/master_list_definition.h"

#include <array>

namespace vantorelle {

namespace {

using enum MasterControlKind;

constexpr MasterControl contactControls[] = {
    {.row = 1, .kind = Text, .name = "txtConID(1)", .label = "First:", .enterNext = 2},
    {.row = 2, .kind = Text, .name = "txtConID(2)", .label = "Last:", .enterNext = 3},
    {.row = 3, .kind = Text, .name = "txtConID(3)", .label = "Home Phone:", .enterNext = 4},
    {.row = 4, .kind = Text, .name = "txtConID(4)", .label = "Work Phone:", .enterNext = 5},
    // Other Phone (row 6) has no control here: Enter jumps over it.
    {.row = 5, .kind = Text, .name = "txtConID(5)", .label = "Mobile Phone:", .enterNext = 7},
    {.row = 7, .kind = Lines, .name = "txtConID(7)", .label = "Address:"},
    {.row = 8, .kind = Lines, .name = "txtConID(8)", .label = "Notes:"},
};

constexpr std::string_view insuranceTypes[]
    = {"Health", "Dental", "Vision", "Prescription", "Life", "Auto", "Home", "Other"};

constexpr MasterControl insuranceControls[] = {
    {.row = 1, .kind = Text, .name = "txtInsID(1)", .label = "Company:", .enterNext = 2},
    {.row = 2, .kind = FixedList, .name = "cboInsType", .label = "Type:", .items = insuranceTypes},
    {.row = 3, .kind = Text, .name = "txtInsID(3)", .label = "Group #:", .enterNext = 4},
    {.row = 4, .kind = Text, .name = "txtInsID(4)", .label = "Policy #:", .enterNext = 5},
    {.row = 5, .kind = Date, .name = "dtInsDate", .label = "Date:"},
    {.row = 6, .kind = Text, .name = "txtInsID(6)", .label = "Phone:", .enterNext = 7},
    {.row = 7, .kind = Text, .name = "txtInsID(7)", .label = "FAX:", .enterNext = 8},
    {.row = 8, .kind = Lines, .name = "txtInsID(8)", .label = "Address:"},
    {.row = 9, .kind = Lines, .name = "txtInsID(9)", .label = "Notes:"},
};

// A location's name is as long as the topic records' Location field allows.
constexpr MasterControl locationControls[] = {
    {.row = 0,
        .kind = Text,
        .name = "txtLocation(0)",
        .label = "Location:",
        .sizeFrom = &illnessFields,
        .sizeRow = 7},
};

constexpr MasterControl pharmacyControls[] = {
    {.row = 1, .kind = Text, .name = "txtPharmID(1)", .label = "Pharmacy:", .enterNext = 2},
    {.row = 2, .kind = Text, .name = "txtPharmID(2)", .label = "Contact:", .enterNext = 3},
    {.row = 3, .kind = Text, .name = "txtPharmID(3)", .label = "Phone:", .enterNext = 4},
    {.row = 4, .kind = Text, .name = "txtPharmID(4)", .label = "FAX:", .enterNext = 5},
    {.row = 5, .kind = Text, .name = "txtPharmID(5)", .label = "Hours:", .enterNext = 6},
    {.row = 6, .kind = Lines, .name = "txtPharmID(6)", .label = "Address:"},
    {.row = 7, .kind = Text, .name = "txtPharmID(7)", .label = "Email:", .enterNext = 8},
    {.row = 8, .kind = Text, .name = "txtPharmID(8)", .label = "Website:", .enterNext = 9},
    {.row = 9, .kind = Lines, .name = "txtPharmID(9)", .label = "Notes:"},
};

constexpr MasterControl providerControls[] = {
    {.row = 1, .kind = Text, .name = "txtProvID(1)", .label = "Name:", .enterNext = 2},
    {.row = 2,
        .kind = KeyList,
        .name = "cboProviderType",
        .label = "Type/Specialty:",
        .itemsFrom = TableId::ProvType},
    {.row = 3, .kind = Text, .name = "txtProvID(3)", .label = "Office Phone:", .enterNext = 4},
    {.row = 4, .kind = Text, .name = "txtProvID(4)", .label = "Emergency Ph:", .enterNext = 5},
    {.row = 5, .kind = Text, .name = "txtProvID(5)", .label = "FAX:", .enterNext = 6},
    {.row = 6,
        .kind = KeyCombo,
        .name = "cboProviderLocation",
        .label = "Clinic/Hospital:",
        .itemsFrom = TableId::Location},
    {.row = 7, .kind = Text, .name = "txtProvID(7)", .label = "Hours:", .enterNext = 8},
    {.row = 8, .kind = Lines, .name = "txtProvID(8)", .label = "Address:"},
    {.row = 9, .kind = Text, .name = "txtProvID(9)", .label = "Email:", .enterNext = 10},
    {.row = 10, .kind = Text, .name = "txtProvID(10)", .label = "Website:", .enterNext = 11},
    {.row = 11, .kind = Lines, .name = "txtProvID(11)", .label = "Notes:"},
};

// A provider type's name is as long as the providers' Type field allows.
constexpr MasterControl providerTypeControls[] = {
    {.row = 0,
        .kind = Text,
        .name = "txtProvType(0)",
        .label = "Type:",
        .sizeFrom = &provIdFields,
        .sizeRow = 2},
};

constexpr int bothNames[] = {1, 2};
constexpr int firstRow[] = {1};
constexpr int theName[] = {0};

constexpr std::array<MasterListDefinition, masterListCount> definitions = {{
    {.id = MasterListId::Contacts,
        .title = "Master Contact List",
        .caption = "Contact",
        .table = TableId::ConID,
        .fields = &conIdFields,
        .first = "ConLast",
        .second = "ConFirst",
        .required = bothNames,
        .blankLine1 = "The name fields cannot be blank.",
        .blankLine2 = "Please enter a full name.",
        .maximum = 60,
        .maximumText = "The maximum number of Contacts is ",
        .maximumTitle = "Maximum Contacts",
        .controls = contactControls},
    {.id = MasterListId::Insurance,
        .title = "Master Insurance List",
        .caption = "Insurance",
        .table = TableId::InsID,
        .fields = &insIdFields,
        .first = "Company",
        .required = firstRow,
        .blankLine1 = "The company field cannot be blank.",
        .blankLine2 = "Please enter a company name.",
        .maximum = 20,
        .maximumText = "The maximum number of Insurance entries is ",
        .maximumTitle = "Maximum Insurance Entries",
        .controls = insuranceControls},
    {.id = MasterListId::Locations,
        .title = "Master Location List",
        .caption = "Location",
        .table = TableId::Location,
        .fields = &locationFields,
        .first = "Key",
        .keyedByName = true,
        .required = theName,
        .blankLine1 = "The location field cannot be blank.",
        .blankLine2 = "Please enter a location.",
        .maximum = 40,
        .maximumText = "The maximum number of Locations is ",
        .maximumTitle = "Maximum Locations",
        .controls = locationControls},
    {.id = MasterListId::Pharmacies,
        .title = "Master Pharmacy List",
        .caption = "Pharmacy",
        .table = TableId::PharmID,
        .fields = &pharmIdFields,
        .first = "Pharmacy",
        .required = firstRow,
        .blankLine1 = "The pharmacy field cannot be blank.",
        .blankLine2 = "Please enter a pharmacy name.",
        .maximum = 20,
        .maximumText = "The maximum number of Pharmacies is ",
        .maximumTitle = "Maximum Pharmacies",
        .controls = pharmacyControls},
    {.id = MasterListId::Providers,
        .title = "Master Provider List",
        .caption = "Provider/Physician",
        .table = TableId::ProvID,
        .fields = &provIdFields,
        .first = "Name",
        .required = firstRow,
        .blankLine1 = "The name field cannot be blank.",
        .blankLine2 = "Please enter a provider name.",
        .maximum = 100,
        .maximumText = "The maximum number of Providers is ",
        .maximumTitle = "Maximum Providers",
        .controls = providerControls},
    {.id = MasterListId::ProviderTypes,
        .title = "Master Provider Type List",
        .caption = "Provider Type/Specialty",
        .table = TableId::ProvType,
        .fields = &provTypeFields,
        .first = "Key",
        .keyedByName = true,
        .required = theName,
        .blankLine1 = "The provider type field cannot be blank.",
        .blankLine2 = "Please enter a type or specialty.",
        .maximum = 40,
        .maximumText = "The maximum number of Provider Types is ",
        .maximumTitle = "Maximum Provider Types",
        .controls = providerTypeControls},
}};

// Each list sits at its own number.
constexpr bool inOrder()
{
    for (std::size_t i = 0; i < definitions.size(); ++i) {
        if (static_cast<std::size_t>(definitions[i].id) != i)
            return false;
    }
    return true;
}
static_assert(inOrder());

} // namespace

std::optional<MasterListId> masterListFromIndex(int index)
{
    if (index < 0 || index >= masterListCount)
        return std::nullopt;
    return static_cast<MasterListId>(index);
}

const MasterListDefinition &masterListDefinition(MasterListId id)
{
    return definitions[static_cast<std::size_t>(id)];
}

} // namespace vantorelle
