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
        EXPECT_EQ(c.table.visibleCount, c.visible);
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
    EXPECT_EQ(mainIdFields.row(27).name, "Notes");
    EXPECT_EQ(mainIdFields.row(28).name, "Other1");
    EXPECT_EQ(mainIdFields.row(33).size, 10);
    EXPECT_EQ(mainIdFields.row(10).caption, "ID # (SSN)");
    EXPECT_EQ(mainIdFields.row(11).caption, "ID# Type");
    EXPECT_EQ(glucoseFields.row(8).caption, "Insulin");
    EXPECT_EQ(glucoseFields.row(8).size, 30);
    EXPECT_EQ(glucoseFields.row(9).name, "Other2");
    EXPECT_EQ(medFields.row(11).size, 2000);
    EXPECT_EQ(illnessFields.row(3).caption, "Onset Date");
    EXPECT_EQ(familyFields.row(5).caption, "Birthdate");
    EXPECT_EQ(familyFields.row(5).name, "Date");
    EXPECT_EQ(bpFields.row(1).name, "SBP");
    EXPECT_EQ(cholFields.row(4).name, "Triglycerides");
    EXPECT_EQ(weightFields.row(1).name, "Weight");
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
