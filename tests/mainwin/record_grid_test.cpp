#include "mainwin/record_grid.h"

#include "fixture_tables.h"
#include "mainwin/grid_cells.h"
#include "store/topics.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QTableWidget>
#include <gtest/gtest.h>

using namespace vantorelle;

namespace {

const std::string jane = "doejane20080101101010p";

using Cells = std::vector<std::string>;

class RecordGridTest : public ::testing::Test {
protected:
    std::vector<GridRow> listed(
        Topic topic, const std::string &profile = jane, const std::string &units = "mg/dL")
    {
        DisplayPreferences display;
        display.glucoseUnits = units;
        return gridRows(*gridLayout(topic), profile, tables.access(), display);
    }
    std::vector<Cells> rows(
        Topic topic, const std::string &profile = jane, const std::string &units = "mg/dL")
    {
        std::vector<Cells> cells;
        for (const GridRow &row : listed(topic, profile, units))
            cells.push_back(row.cells);
        return cells;
    }
    RowHandle rowOf(TableId id, const std::string &key)
    {
        MemoryTable &table = tables(id);
        table.moveFirst();
        EXPECT_TRUE(table.find(Criterion::equal("Key", key))) << key;
        return table.handle();
    }

    FixtureTables tables;
};

} // namespace

TEST_F(RecordGridTest, ListsTheProfilesRecordsCellByCell)
{
    const struct {
        Topic topic;
        std::vector<Cells> rows;
    } cases[] = {
        {Topic::Allergies,
            {{"Dust", "02/02/2008", jane + "dust79919797"},
                {"Peanuts", "", jane + "peanuts79919898"}}},
        {Topic::Illnesses,
            {{"Cold", "", "", jane + "cold79918888"},
                {"Flu", "10/10/2008", "10/20/2008", jane + "flu79918989"}}},
        {Topic::Surgeries, {{"Appendix", "11/11/2008", jane + "79917777appendix"}}},
        {Topic::Appointments,
            {{"", "12/13/2008 ", jane + "7991757500:00"},
                {"Dr. Who", "12/12/2008 8:30 AM", jane + "7991767608:30"}}},
        {Topic::Medications,
            {{"Aspirin", "Dr. Who", "Corner Drugs", jane + "aspirin0079917474"},
                {"Zinc", "Dr. Who", "", jane + "zinc0079917373"}}},
        {Topic::Vaccinations, {{"Flu shot", "10/01/2008", "Dr. Who", jane + "flushot79917272"}}},
        {Topic::Tests, {{"Blood", "10/02/2008", "Dr. Who", jane + "blood79917171"}}},
        {Topic::BloodPressure,
            {{"130 / ", "", "09/30/2008 ", jane + "79917069999920080101101041p"},
                {"120 / 80", "72", "09/29/2008 11:10 PM", jane + "79917070762920080101101040p"}}},
        {Topic::Weight, {{"140", "10/30/2008 ", jane + "79916969999920080101101042p"}}},
        {Topic::Glucose,
            {{"99", "", "", "11/29/2008 8:40 AM", jane + "79916867915920080101101044p"},
                {"99", "30", "2", "11/30/2008 8:40 AM", jane + "79916868915920080101101043p"}}},
        {Topic::Cholesterol,
            {{"180", "100", "50", "150", "12/30/2008 12:00 PM",
                jane + "79916766999920080101101045p"}}},
        {Topic::FamilyHistory, {{", ", "Mother", "Maternal", jane + "mom"}}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(rows(c.topic), c.rows) << topicName(c.topic);
}

TEST_F(RecordGridTest, ADeletedProviderShowsAsNotFound)
{
    MemoryTable &appointments = tables(TableId::Appt);
    appointments.moveFirst();
    ASSERT_TRUE(appointments.find(Criterion::equal("Key", jane + "7991767608:30")));
    appointments.setValue("ProvID", "drgone20080101101010p");
    appointments.update();
    EXPECT_EQ(rows(Topic::Appointments)[1][0], "<not found>");
}

TEST_F(RecordGridTest, InsuranceAndContactsComeThroughTheLinks)
{
    // Links to a deleted company and to a missing one give no row.
    EXPECT_EQ(rows(Topic::Insurance),
        (std::vector<Cells> {{"Acme Health", "PPO", "G-1", "P-9", "acmehealth20080101101010p",
            jane + "20080101101020p"}}));
    EXPECT_EQ(rows(Topic::Contacts),
        (std::vector<Cells> {{"Major, Mary", "555-2000", "555-3000", "majormary20080101101010p",
                                 jane + "20080101101030p"},
            {"Solo, ", "", "", "solo20080101101010p", jane + "20080101101031p"}}));
    EXPECT_EQ(rows(Topic::Insurance, "doeadam20080101101011p")[0][0], "Zeta Mutual");
}

// The viewer, Edit and Delete reach a row's records by these, not by its Keys.
TEST_F(RecordGridTest, KeyCellsKeepTheRowsTheirKeysComeFrom)
{
    QTableWidget grid;
    fillGrid(&grid, *gridLayout(Topic::Insurance), listed(Topic::Insurance), "mg/dL");
    EXPECT_EQ(listedRow(&grid, 0, 4), rowOf(TableId::InsID, "acmehealth20080101101010p"));
    EXPECT_EQ(listedRow(&grid, 0, 5), rowOf(TableId::InsXref, jane + "20080101101020p"));
    EXPECT_EQ(listedRow(&grid, 0, 0), std::nullopt);

    fillGrid(&grid, *gridLayout(Topic::Allergies), listed(Topic::Allergies), "mg/dL");
    EXPECT_EQ(listedRow(&grid, 1, 2), rowOf(TableId::Allergy, jane + "peanuts79919898"));
    EXPECT_EQ(listedRow(&grid, 1, 3), std::nullopt);
    EXPECT_EQ(listedRow(&grid, 2, 2), std::nullopt);
}

TEST_F(RecordGridTest, GlucoseFollowsThePreferredUnits)
{
    const auto inMmol = rows(Topic::Glucose, jane, "mmol/L");
    EXPECT_EQ(inMmol[0][0], "5.5"); // 99 mg/dL converted
    EXPECT_EQ(inMmol[1][0], "5.5"); // stored in mmol/L: as stored
    const auto inMg = rows(Topic::Glucose, jane, "mg/dL");
    EXPECT_EQ(inMg[0][0], "99");
    EXPECT_EQ(inMg[1][0], "99"); // 5.5 mmol/L converted
}

TEST_F(RecordGridTest, AProfileWithoutRecordsListsNothing)
{
    EXPECT_TRUE(rows(Topic::Cholesterol, "doeadam20080101101011p").empty());
    EXPECT_TRUE(tables(TableId::Chol).eof());
}

TEST_F(RecordGridTest, KeyColumnsFollowTheShownColumns)
{
    const int keyColumns[] = {4, 3, 2, 3, 2, 2, 3, 3, 3, 3, 2, 4, 5, 3};
    for (std::size_t i = topicIndex(Topic::Insurance); i < topicCount; ++i) {
        const GridLayout &layout = *gridLayout(topicAt(i));
        EXPECT_EQ(layout.keyColumn(), keyColumns[i - topicIndex(Topic::Insurance)]) << i;
        EXPECT_TRUE(layout.hidden(int(layout.columns.size()) - 1)) << i;
    }
    EXPECT_EQ(gridLayout(Topic::Personal), nullptr);
    EXPECT_EQ(gridLayout(Topic::Legal), nullptr);
}

TEST_F(RecordGridTest, FillLaysTheGridOutWithoutSignals)
{
    QTableWidget grid;
    QSignalSpy moved(&grid, &QTableWidget::currentCellChanged);
    const GridLayout &layout = *gridLayout(Topic::Glucose);
    fillGrid(&grid, layout, listed(Topic::Glucose), "mmol/L");

    EXPECT_EQ(moved.count(), 0);
    ASSERT_EQ(grid.columnCount(), 5);
    ASSERT_EQ(grid.rowCount(), 2);
    const char *headers[] = {"Glucose (mmol/L) ", "Carbs (g) ", "Insulin ", "Date/Time ", ""};
    for (int column = 0; column < 5; ++column) {
        EXPECT_EQ(grid.horizontalHeaderItem(column)->text(), headers[column]);
        EXPECT_EQ(grid.isColumnHidden(column), column == 4);
    }
    EXPECT_EQ(grid.item(1, 4)->text().toStdString(), jane + "79916868915920080101101043p");
    EXPECT_EQ(grid.currentRow(), 0);
    // The designed widths are least widths; the last shown column has none.
    const int dpi = grid.logicalDpiX();
    EXPECT_EQ(designedWidths(layout, &grid),
        (std::vector<int> {1400 * dpi / 1440, 1200 * dpi / 1440, 1200 * dpi / 1440, 0, 0}));

    // A refill for a topic with fewer columns and no rows leaves only the header.
    fillGrid(&grid, *gridLayout(Topic::Weight), {}, "mmol/L");
    EXPECT_EQ(grid.rowCount(), 0);
    EXPECT_EQ(grid.columnCount(), 3);
}

TEST_F(RecordGridTest, ATabInAValueStaysInItsCell)
{
    MemoryTable &allergies = tables(TableId::Allergy);
    allergies.moveFirst();
    ASSERT_TRUE(allergies.find(Criterion::equal("Key", jane + "dust79919797")));
    allergies.setValue("Allergy", "Dust\tmites");
    allergies.update();
    QTableWidget grid;
    fillGrid(&grid, *gridLayout(Topic::Allergies), listed(Topic::Allergies), "mg/dL");
    EXPECT_EQ(grid.item(0, 0)->text(), "Dust\tmites");
    EXPECT_EQ(grid.item(0, 2)->text().toStdString(), jane + "dust79919797");
}
