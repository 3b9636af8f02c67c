#include "store/field_tables.h"
#include "store/table_catalog.h"

#include <gtest/gtest.h>

#include <set>

using namespace vantorelle;

namespace {

TEST(FieldTables, CountsAndLastRowsAreFixed)
{
    struct Case {
        const FieldTable &table;
        int visible, lastRow;
    };
    const Case cases[] = {
        {mainIdFields, 27, 33},
        {insIdFields, 9, 12},
        {conIdFields, 8, 11},
        {allergyFields, 4, 7},
        {illnessFields, 9, 12},
        {surgeryFields, 7, 10},
        {apptFields, 10, 13},
        {medFields, 11, 14},
        {vaccFields, 5, 8},
        {testFields, 8, 11},
        {bpFields, 7, 10},
        {cholFields, 7, 10},
        {weightFields, 4, 7},
        {glucoseFields, 8, 13},
        {familyFields, 8, 11},
        {pharmIdFields, 9, 12},
        {provIdFields, 11, 14},
        {locationFields, 0, 3},
        {provTypeFields, 0, 3},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(c.table.lastRow(), c.lastRow);
        for (int column = 0; column < 3; ++column)
            EXPECT_EQ(c.table.cell(0, column), std::to_string(c.visible));
        std::set<std::string_view> captions, names;
        for (const FieldRow &row : c.table.rows) {
            captions.insert(row.caption);
            names.insert(row.name);
        }
        EXPECT_EQ(captions.size(), c.table.rows.size()) << "captions are unique";
        EXPECT_EQ(names.size(), c.table.rows.size()) << "names are unique";
        // Hidden rows are Other<n>, captioned with their name.
        for (int row = c.visible + 1; row <= c.table.lastRow(); ++row) {
            EXPECT_TRUE(c.table.row(row).name.starts_with("Other"));
            EXPECT_EQ(c.table.row(row).caption, c.table.row(row).name);
        }
    }
}

TEST(FieldTables, RowsThatOthersIndexByNumber)
{
    EXPECT_EQ(mainIdFields.cell(27, 1), "Notes");
    EXPECT_EQ(mainIdFields.cell(28, 1), "Other1");
    EXPECT_EQ(mainIdFields.cell(33, 2), "10");
    EXPECT_EQ(mainIdFields.cell(10, 0), "ID # (SSN)");
    EXPECT_EQ(mainIdFields.cell(11, 0), "ID# Type");
    EXPECT_EQ(glucoseFields.cell(8, 0), "Insulin");
    EXPECT_EQ(glucoseFields.cell(8, 2), "30");
    EXPECT_EQ(glucoseFields.cell(9, 1), "Other2");
    EXPECT_EQ(medFields.cell(11, 2), "2000");
    EXPECT_EQ(illnessFields.cell(3, 0), "Onset Date");
    EXPECT_EQ(familyFields.cell(5, 0), "Birthdate");
    EXPECT_EQ(familyFields.cell(5, 1), "Date");
    EXPECT_EQ(bpFields.cell(1, 1), "SBP");
    EXPECT_EQ(cholFields.cell(4, 1), "Triglycerides");
    EXPECT_EQ(weightFields.cell(1, 1), "Weight");
}

TEST(FieldTables, TableColumnsFollowTheFieldTables)
{
    const std::vector<Column> names = tableColumns(TableId::MainNm);
    ASSERT_EQ(names.size(), 8u);
    EXPECT_EQ(names[3].name, "First");
    EXPECT_EQ(names[3].size, 40);
    EXPECT_EQ(names[4].name, "Last");
    EXPECT_EQ(names[4].size, 80);

    const std::vector<Column> bp = tableColumns(TableId::BP);
    ASSERT_EQ(bp.size(), 13u);
    EXPECT_EQ(bp[0].name, "REC_ID");
    EXPECT_EQ(bp[0].kind, ColumnKind::FixedText);
    EXPECT_EQ(bp[1].size, 6);
    EXPECT_EQ(bp[2].name, "Key");
    EXPECT_EQ(bp[2].size, 200);
    EXPECT_EQ(bp[12].name, "Other3");

    const std::vector<Column> prefs = tableColumns(TableId::Prefs);
    ASSERT_EQ(prefs.size(), 9u);
    EXPECT_EQ(prefs[2].name, "PrefsKey");
    EXPECT_EQ(prefs[8].kind, ColumnKind::Single);
}

} // namespace
