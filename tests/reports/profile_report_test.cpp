#include "report_fixture.h"

#include "reports/profile_report.h"
#include "store/table_error.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace vantorelle;

namespace {

// The profile report of Ann Lee with one section printed, in one form.
struct SectionCase {
    const char *name;
    int section;
    bool details;
    Cells cells; // header row first
};

void PrintTo(const SectionCase &c, std::ostream *out)
{
    *out << c.name;
}

class ProfileReportTest : public ReportFixture {
protected:
    PrintDocument build(const std::string &profileKey) const
    {
        PrintDocument document;
        ProfileReport(store, display, options, usableWidth).addTo(document, profileKey);
        return document;
    }

    // The options with only `section` printed.
    void printOnly(int section, bool details = false)
    {
        options.printed.fill(false);
        options.printed[section] = true;
        options.details[section] = details;
    }

    DisplayPreferences display;
    ProfileReportOptions options;
};

class ProfileReportSection : public ProfileReportTest,
                             public ::testing::WithParamInterface<SectionCase> { };

TEST_P(ProfileReportSection, HoldsTheProfilesRecordsAsTheyShow)
{
    printOnly(GetParam().section, GetParam().details);
    const PrintDocument document = build(ann);

    ASSERT_EQ(document.blocks().size(), 3u); // the title, the section's table, a blank line
    const auto &title = std::get<PrintParagraph>(document.blocks()[0]);
    EXPECT_EQ(title.text, "Vantorelle Personal Profile Report\r\nAnn Lee\r\n\r\n");
    EXPECT_TRUE(title.bold);
    EXPECT_EQ(title.alignment, ParagraphAlignment::Centre);
    EXPECT_EQ(cellsOf(std::get<PrintTable>(document.blocks()[1])), GetParam().cells);
    EXPECT_EQ(std::get<PrintParagraph>(document.blocks()[2]).text, "");
}

// Fields print formatted on their own rows only: a provider Key made on the
// day of a record's date shows as the provider, and the digits of a date in
// notes stay as typed; "|" and "~" are characters like any other.
INSTANTIATE_TEST_SUITE_P(Ann, ProfileReportSection,
    ::testing::Values(
        SectionCase {"PersonalAndLegal", 0, true,
            {{"Personal and Legal", " "}, {"Name", "Lee Ann"}, {"Birthdate", "05/12/1970"},
                {"Home", "555-0100"}, {"SSN", "123-45-6789"}, {"Gender", "F"},
                {"Marital Status", "Married"}, {"Address", "1 Main St\r\nSpringfield"},
                {"Blood Type", "A+"}, {"Height", "5' 6\""}, {"Organ Donor", "Yes"},
                {"Notes", "Born 19700512 | likes ~tea~"}}},
        SectionCase {"InsuranceList", 1, false,
            {{"Ins Company", "Type", "Group #", "Policy #"},
                {"Acme Health", "PPO", "G-1", "P-100"}}},
        SectionCase {"InsuranceDetails", 1, true,
            {{"Insurance", " "}, {"Company", "Acme Health"}, {"Type", "PPO"}, {"Group #", "G-1"},
                {"Policy #", "P-100"}, {"Date", "20090101"}, {"Phone", "555-0300"},
                {"Notes", "Family plan"}}},
        SectionCase {"ContactsList", 2, false,
            {{"Contact Name", "Home Phone", "Work Phone", "Mobile Phone"},
                {"John Smith", "555-0400", "555-0401", ""}, {" Adams", "", "", "555-0410"}}},
        SectionCase {"ContactsDetails", 2, true,
            {{"Contacts", " "}, {"Name", "John Smith"}, {"Home Phone", "555-0400"},
                {"Work Phone", "555-0401"}, {"Other Phone", "555-0402"}, {"Notes", "Neighbour"},
                {"", ""}, {"Name", " Adams"}, {"Mobile Phone", "555-0410"}}},
        SectionCase {"AllergiesList", 3, false,
            {{"Allergy", "Date"}, {"Penicillin", ""}, {"Peanuts", "06/01/2005"}}},
        SectionCase {"AllergiesDetails", 3, true,
            {{"Allergies", " "}, {"Allergy", "Penicillin"}, {"Reaction", "Rash"}, {"", ""},
                {"Allergy", "Peanuts"}, {"Reaction", "Hives"}, {"Date", "06/01/2005"}}},
        SectionCase {"IllnessesList", 4, false,
            {{"Illness", "Onset Date", "Cured Date"}, {"Flu", "03/15/2024", "03/22/2024"},
                {"Asthma", "01/01/1990", ""}}},
        SectionCase {"IllnessesDetails", 4, true,
            {{"Illnesses", " "}, {"Illness/Condition", "Flu"}, {"Symptoms", "Fever"},
                {"Onset Date", "03/15/2024"}, {"Cured Date", "03/22/2024"},
                {"Diagnosis", "Influenza A"}, {"Provider", "Dr. Who"},
                {"Location", "General Hospital"}, {"Treatment", "Rest"},
                {"Notes", "Seen 20240315 at 8"}, {"", ""}, {"Illness/Condition", "Asthma"},
                {"Onset Date", "01/01/1990"}}},
        SectionCase {"SurgeriesList", 5, false,
            {{"Surgery", "Date", "Provider"}, {"Appendectomy", "04/12/2010", "<not found>"}}},
        SectionCase {"SurgeriesDetails", 5, true,
            {{"Surgeries", " "}, {"Surgery/Hospitalization", "Appendectomy"},
                {"Date", "04/12/2010"}, {"Amount", "1200"}, {"Provider", "<not found>"},
                {"Location", "Clinic"}}},
        SectionCase {"AppointmentsList", 6, false,
            {{"Appointment With", "Date", "Time"}, {"Dr. Who", "03/20/2024", "9:30 AM"},
                {"", "01/05/2023", "2:00 PM"}}},
        SectionCase {"AppointmentsDetails", 6, true,
            {{"Appointments", " "}, {"Physician", "Dr. Who"}, {"Date/Time", "03/20/2024 9:30 AM"},
                {"Location", "Clinic"}, {"Reason", "Check-up"}, {"Follow Up Date/Time", " "},
                {"", ""}, {"Physician", ""}, {"Date/Time", "01/05/2023 2:00 PM"},
                {"Reason", "Follow-up of | results"},
                {"Follow Up Date/Time", "02/05/2023 1:15 PM"}}},
        SectionCase {"MedicationsList", 7, false,
            {{"Medication", "Take", "Dosage", "Physician"},
                {"Aspirin", "1 daily", "81 mg", "Dr. Who"},
                {"Ibuprofen", "as needed", "200 mg", ""}}},
        SectionCase {"MedicationsDetails", 7, true,
            {{"Medications", " "}, {"Medication", "Aspirin"}, {"Take", "1 daily"},
                {"Dosage", "81 mg"}, {"Physician", "Dr. Who"}, {"Purpose", "Heart"},
                {"Start Date", "01/01/2024"}, {"Pharmacy", "Corner Pharmacy"}, {"Rx #", "RX1"},
                {"Active", "Yes"}, {"Notes", "Started 20240101"}, {"", ""},
                {"Medication", "Ibuprofen"}, {"Take", "as needed"}, {"Dosage", "200 mg"},
                {"Purpose", "Pain"}, {"Start Date", "01/01/2000"}, {"Stop Date", "01/01/2001"},
                {"Active", "No"}}},
        SectionCase {"Vaccinations", 8, false,
            {{"Vaccination", "Date", "Physician", "Location", "Notes"},
                {"Tetanus", "06/10/2020", "Dr. Who", "Clinic", "Booster ~ 10 yr"}}},
        SectionCase {"TestsList", 9, false,
            {{"Test", "Date", "Physician"}, {"A1C", "03/01/2024", "Dr. Who"}}},
        SectionCase {"TestsDetails", 9, true,
            {{"Tests", " "}, {"Test", "A1C"}, {"Date", "03/01/2024"}, {"Amount", "45"},
                {"Physician", "Dr. Who"}, {"Location", "Lab"}, {"Result", "5.6 %"},
                {"Goal", "< 6"}}},
        SectionCase {"BloodPressure", 10, false,
            {{"Blood Pressure", "Pulse", "Date/Time", "Activity", "Notes"},
                {"120/80", "65", "03/15/2024 8:00 AM", "Resting", "Before\r\nbreakfast"},
                {"130/85", "70", "03/14/2024 6:00 PM", "Walking", ""}}},
        SectionCase {"Weight", 11, false,
            {{"Weight", "Date/Time", "Notes"}, {"150", "03/15/2024 7:00 AM", ""}}},
        // A reading kept in mmol/L shows in the preferred mg/dL.
        SectionCase {"Glucose", 12, false,
            {{"Glucose (mg/dL)", "Carbs(g)", "Insulin", "Event", "Date/Time", "Notes"},
                {"100", "45", "2", "Before Breakfast", "03/15/2024 7:30 AM", ""},
                {"99", "", "", "After Lunch", "03/14/2024 1:00 PM", "meter B"}}},
        SectionCase {"Cholesterol", 14, false,
            {{"Total", "LDL", "HDL", "Triglycerides", "Date/Time", "Notes"},
                {"190", "110", "50", "150", "03/01/2024 10:00 AM", ""}}},
        SectionCase {"FamilyHistoryList", 13, false,
            {{"Family Member", "Relation", "Side", "Birthdate"},
                {"Mary Lee", "Mother", "Maternal", "01/01/1945"}}},
        SectionCase {"FamilyHistoryDetails", 13, true,
            {{"Family History", " "}, {"Name", "Mary Lee"}, {"Relation", "Mother"},
                {"Side", "Maternal"}, {"Birthdate", "01/01/1945"}, {"Deceased", "01/01/2010"},
                {"Illnesses", "Diabetes"}}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ProfileReportTest, SectionsComeInReportOrderEachFollowedByABlankLine)
{
    const PrintDocument document = build(ann);
    std::vector<std::string> firstCaptions;
    for (const PrintTable &table : tablesOf(document))
        firstCaptions.push_back(table.header.front().toStdString());
    EXPECT_EQ(firstCaptions,
        std::vector<std::string>({"Personal and Legal", "Ins Company", "Contact Name", "Allergy",
            "Illness", "Surgery", "Appointment With", "Medication", "Vaccination", "Test",
            "Blood Pressure", "Weight", "Glucose (mg/dL)", "Total", "Family Member"}));
    ASSERT_EQ(document.blocks().size(), 1 + 2 * firstCaptions.size());
    for (std::size_t i = 1; i < document.blocks().size(); i += 2) {
        EXPECT_TRUE(std::holds_alternative<PrintTable>(document.blocks()[i]));
        EXPECT_TRUE(std::holds_alternative<PrintParagraph>(document.blocks()[i + 1]));
    }
}

TEST_F(ProfileReportTest, ColumnsShareTheUsableWidthAsTheirFractions)
{
    const std::vector<PrintTable> tables = tablesOf(build(ann));
    EXPECT_EQ(tables[0].columnWidths, std::vector<int>({2340, 7020})); // details
    EXPECT_EQ(tables[10].columnWidths, std::vector<int>({1872, 1030, 2340, 1404, 2808}));
    // The vaccinations' fractions add up to 1.04.
    EXPECT_EQ(tables[8].columnWidths, std::vector<int>({1872, 1872, 1872, 2059, 2059}));
}

TEST_F(ProfileReportTest, AnotherProfilesRecordsStayOut)
{
    const std::vector<PrintTable> tables = tablesOf(build(bob));
    // Bob has one allergy, one insurance, one contact and one reading; every
    // other section heads an empty table.
    EXPECT_EQ(cellsOf(tables[1]),
        Cells({{"Ins Company", "Type", "Group #", "Policy #"},
            {"Zenith Dental", "Dental", "", "Z-9"}}));
    EXPECT_EQ(cellsOf(tables[3]), Cells({{"Allergy", "Date"}, {"Dust", ""}}));
    EXPECT_EQ(cellsOf(tables[10]),
        Cells({{"Blood Pressure", "Pulse", "Date/Time", "Activity", "Notes"},
            {"140/90", "", "03/15/2024 9:00 AM", "", ""}}));
    for (int i : {4, 5, 6, 7, 8, 9, 11, 12, 13, 14})
        EXPECT_TRUE(tables[i].rows.empty()) << tables[i].header.front().toStdString();
    // A phone without its type has an empty label.
    EXPECT_EQ(cellsOf(tables[0])[3], std::vector<std::string>({"", "555-0200"}));
}

TEST_F(ProfileReportTest, AnEmptyProfileKeySelectsNoRecords)
{
    MemoryTable &profiles = store.table(TableId::MainID);
    profiles.addNew();
    profiles.setValue("First", "No");
    profiles.setValue("Last", "Key");
    profiles.update();

    const std::vector<PrintTable> tables = tablesOf(build(""));
    ASSERT_EQ(tables.size(), 15u);
    EXPECT_EQ(cellsOf(tables[0])[1], std::vector<std::string>({"Name", "Key No"}));
    for (std::size_t i = 1; i < tables.size(); ++i)
        EXPECT_TRUE(tables[i].rows.empty()) << tables[i].header.front().toStdString();
}

TEST_F(ProfileReportTest, AProfileNotInTheTableIsAFailure)
{
    PrintDocument document;
    EXPECT_THROW(
        ProfileReport(store, display, options, usableWidth).addTo(document, "19990101000000p"),
        TableError);
    EXPECT_TRUE(document.blocks().empty());
}

TEST_F(ProfileReportTest, ATableWithoutRecordsLeavesNoTrace)
{
    MemoryTable &vaccinations = store.table(TableId::Vacc);
    for (vaccinations.moveFirst(); !vaccinations.eof(); vaccinations.moveNext())
        vaccinations.deleteRow();
    const PrintDocument document = build(ann);
    ASSERT_EQ(tablesOf(document).size(), 14u);
    EXPECT_EQ(tablesOf(document)[8].header.front(), "Test");
    EXPECT_EQ(document.blocks().size(), 1 + 2 * 14u);
}

TEST_F(ProfileReportTest, TheRangeFiltersTheDatedSectionsOnly)
{
    options.range = {1, 20240314, 20240315};
    const std::vector<PrintTable> tables = tablesOf(build(ann));
    const auto firstCells = [&](int i) {
        std::vector<std::string> cells;
        for (const QStringList &row : tables[i].rows)
            cells.push_back(row.front().toStdString());
        return cells;
    };
    using Texts = std::vector<std::string>;
    EXPECT_EQ(firstCells(1), Texts({"Acme Health"})); // insurance: never filtered
    EXPECT_EQ(firstCells(2), Texts({"John Smith", " Adams"})); // contacts: never filtered
    EXPECT_EQ(firstCells(3), Texts({"Penicillin", "Peanuts"})); // allergies: never filtered
    EXPECT_EQ(firstCells(4), Texts({"Flu"})); // illnesses: by the onset date
    EXPECT_EQ(firstCells(5), Texts());
    EXPECT_EQ(firstCells(6), Texts());
    EXPECT_EQ(firstCells(7), Texts({"Aspirin"})); // started before, never stopped
    EXPECT_EQ(firstCells(10), Texts({"120/80", "130/85"}));
    EXPECT_EQ(firstCells(12), Texts({"100", "99"}));
    EXPECT_EQ(firstCells(13), Texts()); // cholesterol of March 1st
    EXPECT_EQ(firstCells(14), Texts({"Mary Lee"})); // family history: never filtered

    options.range = {2, 20000101, 20301231};
    const std::vector<PrintTable> none = tablesOf(build(ann));
    EXPECT_TRUE(none[4].rows.empty());
    EXPECT_TRUE(none[7].rows.empty());
    EXPECT_EQ(none[3].rows.size(), 2u);
}

TEST_F(ProfileReportTest, DatesAndGlucoseFollowTheDisplayPreferences)
{
    display.dateFormat = DateFormat::DayMonthYear;
    display.dateSeparator = ".";
    display.glucoseUnits = "mmol/L";
    printOnly(12);
    EXPECT_EQ(cellsOf(tablesOf(build(ann))[0]),
        Cells({{"Glucose (mmol/L)", "Carbs(g)", "Insulin", "Event", "Date/Time", "Notes"},
            {"5.6", "45", "2", "Before Breakfast", "15.03.2024 7:30 AM", ""},
            {"5.5", "", "", "After Lunch", "14.03.2024 1:00 PM", "meter B"}}));
}

} // namespace
