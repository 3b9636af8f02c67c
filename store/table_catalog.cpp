#include "store/table_catalog.h"

namespace vantorelle {

namespace {

using enum TableId;

const TableSpec specs[TableCount] = {
    {MainID, "MainID", 1, &MainIDFields, false},
    {MainNm, "MainNm", 2, nullptr, true},
    {InsXref, "InsXref", 3, nullptr, false},
    {InsID, "InsID", 4, &InsIDFields, false},
    {ConID, "ConID", 5, &ConIDFields, false},
    {ConXref, "ConXref", 6, nullptr, false},
    {Allergy, "Allergy", 7, &AllergyFields, false},
    {Illness, "Illness", 8, &IllnessFields, false},
    {Surgery, "Surgery", 9, &SurgeryFields, false},
    {Appt, "Appt", 10, &ApptFields, false},
    {Med, "Med", 11, &MedFields, false},
    {Vacc, "Vacc", 12, &VaccFields, false},
    {Test, "Test", 13, &TestFields, false},
    {BP, "BP", 14, &BPFields, false},
    {Weight, "Weight", 15, &WeightFields, false},
    {Glucose, "Glucose", 16, &GlucoseFields, false},
    {Family, "Family", 17, &FamilyFields, false},
    {PharmID, "PharmID", 18, &PharmIDFields, false},
    {ProvID, "ProvID", 19, &ProvIDFields, false},
    {Location, "Location", 20, &LocationFields, true},
    {ProvType, "ProvType", 21, &ProvTypeFields, true},
    {Chol, "Chol", 22, &CholFields, false},
    {Prefs, "Prefs", 0, nullptr, true},
};

Column text(std::string name, int size)
{
    return {std::move(name), ColumnKind::Text, size};
}

} // namespace

const std::array<TableId, 22> SaveOrder
    = {MainID, MainNm, InsXref, InsID, ConID, ConXref, Allergy, Illness, Surgery, Appt, Med, Vacc,
        Test, BP, Chol, Weight, Glucose, Family, PharmID, ProvID, Location, ProvType};

const std::array<TableId, 22> ReaderOrder
    = {MainID, MainNm, InsXref, InsID, ConID, ConXref, Allergy, Illness, Surgery, Appt, Med, Vacc,
        Test, BP, Weight, Glucose, Family, PharmID, ProvID, Location, ProvType, Chol};

const std::array<TableId, 14> ProfileTables = {InsXref, ConXref, Allergy, Illness, Surgery, Appt,
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
        columns.push_back(text("First", MainIDFields.row(1).size));
        columns.push_back(text("Last", MainIDFields.row(2).size));
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
