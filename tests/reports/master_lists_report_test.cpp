#include "report_fixture.h"

#include "reports/master_lists_report.h"

#include <gtest/gtest.h>

using namespace vantorelle;

namespace {

class MasterListsReportTest : public ReportFixture {
protected:
    PrintDocument build() const
    {
        PrintDocument document;
        MasterListsReport(store, options, usableWidth).addTo(document);
        return document;
    }

    MasterListOptions options;
};

// Every visible row of every list, in the order the master-list editor lists
// them, values as stored.
TEST_F(MasterListsReportTest, PrintsEveryListInTheEditorsOrder)
{
    const PrintDocument document = build();
    const auto &title = std::get<PrintParagraph>(document.blocks().front());
    EXPECT_EQ(title.text, "Vantorelle Master Lists\r\n\r\n");
    EXPECT_TRUE(title.bold);

    const std::vector<PrintTable> tables = tablesOf(document);
    ASSERT_EQ(tables.size(), 6u);
    ASSERT_EQ(document.blocks().size(), 13u); // the title, then each table and a blank line
    EXPECT_EQ(cellsOf(tables[0]),
        Cells({{"Contact", "Home Phone", "Work Phone", "Mobile Phone"},
            {" Adams", "", "", "555-0410"}, {"John Smith", "555-0400", "555-0401", ""}}));
    EXPECT_EQ(cellsOf(tables[1]),
        Cells({{"Insurance", "Type", "Group #", "Policy #", "Phone"},
            {"Acme Health", "PPO", "G-1", "P-100", "555-0300"},
            {"Zenith Dental", "Dental", "", "Z-9", "555-0301"}}));
    EXPECT_EQ(cellsOf(tables[2]), Cells({{"Location"}, {"Clinic"}, {"General Hospital"}}));
    EXPECT_EQ(cellsOf(tables[3]),
        Cells({{"Pharmacy", "Contact", "Phone", "Hours"},
            {"Corner Pharmacy", "Sam", "555-0700", "9-5"}}));
    EXPECT_EQ(cellsOf(tables[4]),
        Cells({{"Provider", "Type", "Office", "Emergency"},
            {"Dr. Adams", "Cardiology", "555-0610", ""},
            {"Dr. Who", "GP", "555-0600", "555-0601"}}));
    EXPECT_EQ(cellsOf(tables[5]), Cells({{"Provider Type"}, {"Cardiology"}, {"GP"}}));

    EXPECT_EQ(tables[1].columnWidths, std::vector<int>({2059, 1685, 1685, 2059, 1872}));
    EXPECT_EQ(tables[2].columnWidths, std::vector<int>({usableWidth}));
}

TEST_F(MasterListsReportTest, OnlyTheChosenListsWithRecordsArePrinted)
{
    options.printed = {false, true, false, false, true, false};
    MemoryTable &insurance = store.table(TableId::InsID);
    for (insurance.moveFirst(); !insurance.eof(); insurance.moveNext())
        insurance.deleteRow();

    const std::vector<PrintTable> tables = tablesOf(build());
    ASSERT_EQ(tables.size(), 1u);
    EXPECT_EQ(tables[0].header.front(), "Provider");

    options.printed.fill(false);
    EXPECT_EQ(build().blocks().size(), 1u); // the title alone
}

} // namespace
