#include "store/table_catalog.h"

namespace vantorelle {

namespace {

using enum TableId;

const TableSpec specs[tableCount] = {
    {MainID, "MainID", 1, &mainIdFields, false},
    {MainNm, "MainNm", 2, nullptr, true},
    {InsXref, "InsXref", 3, nullptr, false},
    {InsID, "InsID", 4, &insIdFields, false},
    {ConID, "ConID", 5, &conIdFields, false},
    {ConXref, "ConXref", 6, nullptr, false},
    {Allergy, "Allergy", 7, &allergyFields, false},
    {Illness, "Illness", 8, &illnessFields, false},
    {Surgery, "Surgery", 9, &surgeryFields, false},
    {Appt, "Appt", 10, &apptFields, false},
    {Med, "Med", 11, &medFields, false},
    {Vacc, "Vacc", 12, &vaccFields, false},
    {Test, "Test", 13, &testFields, false},
    {BP, "BP", 14, &bpFields, false},
    {Weight, "Weight", 15, &weightFields, false},
    {Glucose, "Glucose", 16, &glucoseFields, false},
    {Family, "Family", 17, &familyFields, false},
    {PharmID, "PharmID", 18, &pharmIdFields, false},
    {ProvID, "ProvID", 19, &provIdFields, false},
    {Location, "Location", 20, &locationFields, true},
    {ProvType, "ProvType", 21, &provTypeFields, true},
    {Chol, "Chol", 22, &cholFields, false},
    {Prefs, "Prefs", 0, nullptr, true},
};

Column text(std::string name, int size)
{
    return {std::move(name), ColumnKind::Text, size};
}

} // namespace

const std::array<TableId, 22> saveOrder
    = {MainID, MainNm, InsXref, InsID, ConID, ConXref, Allergy, Illness, Surgery, Appt, Med, Vacc,
        Test, BP, Chol, Weight, Glucose, Family, PharmID, ProvID, Location, ProvType};

const std::array<TableId, 22> readerOrder
    = {MainID, MainNm, InsXref, InsID, ConID, ConXref, Allergy, Illness, Surgery, Appt, Med, Vacc,
        Test, BP, Weight, Glucose, Family, PharmID, ProvID, Location, ProvType, Chol};

const std::array<TableId, 14> profileTables = {InsXref, ConXref, Allergy, Illness, Surgery, Appt,
    Med, Vacc, Test, BP, Weight, Glucose, Family, Chol};

const TableSpec &tableSpec(TableId id)
{
    return specs[static_cast<std::size_t>(id)];
}

std::string tableFileName(TableId id)
{
    return "Vantorelle" + std::string(tableSpec(id).name) + ".cdb";
}

std::vector<Column> tableColumns(TableId id)
{
    std::vector<Column> columns
        = {{"REC_ID", ColumnKind::FixedText, 10}, {"STATUS", ColumnKind::FixedText, 6}};
    switch (id) {
    case Prefs:
        for (const char *name : {"PrefsKey", "PrefsStr1", "PrefsStr2", "PrefsStr3"})
            columns.push_back(text(name, 200));
        for (const char *name : {"PrefsNum1", "PrefsNum2", "PrefsNum3"})
            columns.push_back({name, ColumnKind::Single, 10});
        return columns;
    case MainNm:
        // The name index takes exactly as many characters as the profile's own names.
        columns.push_back(text("Key", 200));
        columns.push_back(text("First", mainIdFields.row(1).size));
        columns.push_back(text("Last", mainIdFields.row(2).size));
        columns.push_back(text("MainID", 200));
        columns.push_back(text("Other1", 10));
        columns.push_back(text("Other2", 10));
        return columns;
    case InsXref:
    case ConXref:
        columns.push_back(text("Key", 200));
        columns.push_back(text(id == InsXref ? "InsID" : "ConID", 200));
        columns.push_back(text("Other1", 10));
        columns.push_back(text("Other2", 10));
        return columns;
    default:
        columns.push_back(text("Key", 200));
        for (const FieldRow &row : tableSpec(id).fields->rows)
            columns.push_back(text(std::string(row.name), row.size));
        return columns;
    }
}

FileLayout tableLayout(TableId id)
{
    FileLayout layout;
    if (id == Prefs) {
        layout.line = FileLayout::Line::Prefs;
        layout.lineBreakStep = false;
        layout.fieldType = "N";
    } else {
        layout.lineBreakStep = tableSpec(id).fields != nullptr;
        layout.shortestRecordLine = id == ConXref ? 7 : 4;
    }
    return layout;
}

} // namespace vantorelle
