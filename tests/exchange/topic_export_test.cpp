#include "exchange/export_file.h"
#include "exchange/topic_export.h"
#include "export_fixture.h"
#include "platform/app_error.h"
#include "support/temporary_install.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace vantorelle;

namespace {

const ExportTopic &exportTopic(Topic topic)
{
    return exportTopics[topicIndex(topic) - topicIndex(Topic::Insurance)];
}

// Dates shown day first with dots, so that a converted date cannot pass for a stored one.
DisplayPreferences dayFirst()
{
    DisplayPreferences display;
    display.dateFormat = DateFormat::DayMonthYear;
    display.dateSeparator = ".";
    return display;
}

class TopicExportTest : public ::testing::Test {
protected:
    void SetUp() override { addFamily(store); }

    // The file a topic export of `profile` writes, and its record lines.
    std::string exported(Topic topic, const std::vector<std::string> &captions,
        const std::string &delimiter = ",", const std::string &profile = annKey)
    {
        const QString path = dir.filePath(QStringLiteral("export.txt"));
        const TopicExport exporter(store, exportTopic(topic), captions, delimiter, dayFirst());
        ExportFile file(path);
        EXPECT_TRUE(file.open());
        lines = exporter.write(profile, file);
        file.commit();
        return readFile(path).toStdString();
    }

    Store store {std::string()};
    QTemporaryDir dir;
    std::size_t lines = 0;
};

const std::vector<std::string> appointmentCaptions = {"Physician", "Date", "Time", "Location",
    "Reason", "Diagnosis", "Treatment", "Notes", "Follow-up Date", "Follow-up Time"};

struct DelimiterCase {
    const char *name;
    std::string delimiter;
    std::string file;
};

void PrintTo(const DelimiterCase &c, std::ostream *os)
{
    *os << c.name;
}

class TopicExportBytes : public TopicExportTest,
                         public ::testing::WithParamInterface<DelimiterCase> { };

TEST_P(TopicExportBytes, OfEveryAppointmentOfTheProfile)
{
    EXPECT_EQ(
        exported(Topic::Appointments, appointmentCaptions, GetParam().delimiter), GetParam().file);
    EXPECT_EQ(lines, 3u);
}

// Ann's appointments: a provider whose name holds a quote and a comma, a
// reason with a comma and quotes, a diagnosis with an empty line and notes on
// two lines (a space for each line break), follow-up date and time as stored;
// a provider that is gone, a reason with a TAB; an empty record. The deleted
// appointment and Ben's are not written.
INSTANTIATE_TEST_SUITE_P(Delimiters, TopicExportBytes,
    ::testing::Values(
        DelimiterCase {"Comma", ",",
            "Physician,Date,Time,Location,Reason,Diagnosis,Treatment,Notes,Follow-up Date,"
            "Follow-up Time,\r\n"
            "\"Dr. \"\"Bo\"\" Smith, MD\",08.03.2024,1:05 PM,Clinic,\"Check, \"\"annual\"\"\","
            "ER visit  Carry card,,Measured after coffee left arm,20240401,09:00,\r\n"
            "<not found>,31.12.2023,12:30 AM,,Tab\there,,,,,,\r\n"
            ",,,,,,,,,,\r\n"},
        DelimiterCase {"Tab", "\t",
            "Physician\tDate\tTime\tLocation\tReason\tDiagnosis\tTreatment\tNotes\tFollow-up "
            "Date\tFollow-up Time\t\r\n"
            "\"Dr. \"\"Bo\"\" Smith, MD\"\t08.03.2024\t1:05 PM\tClinic\t\"Check, "
            "\"\"annual\"\"\"\tER visit  Carry card\t\tMeasured after coffee left arm\t20240401\t"
            "09:00\t\r\n"
            "<not found>\t31.12.2023\t12:30 AM\t\t\"Tab\there\"\t\t\t\t\t\t\r\n"
            "\t\t\t\t\t\t\t\t\t\t\r\n"},
        DelimiterCase {"Custom", "; ",
            "Physician; Date; Time; Location; Reason; Diagnosis; Treatment; Notes; Follow-up "
            "Date; Follow-up Time; \r\n"
            "\"Dr. \"\"Bo\"\" Smith, MD\"; 08.03.2024; 1:05 PM; Clinic; \"Check, "
            "\"\"annual\"\"\"; ER visit  Carry card; ; Measured after coffee left arm; 20240401; "
            "09:00; \r\n"
            "<not found>; 31.12.2023; 12:30 AM; ; Tab\there; ; ; ; ; ; \r\n"
            "; ; ; ; ; ; ; ; ; ; \r\n"}),
    [](const auto &info) { return std::string(info.param.name); });

struct ConversionCase {
    const char *name;
    Topic topic;
    std::vector<std::string> captions;
    std::string recordLine; // Ann's one record
};

void PrintTo(const ConversionCase &c, std::ostream *os)
{
    *os << c.name;
}

class TopicExportConversions : public TopicExportTest,
                               public ::testing::WithParamInterface<ConversionCase> { };

TEST_P(TopicExportConversions, OnlyTheFieldsTheTopicShowsConverted)
{
    std::string header;
    for (const std::string &caption : GetParam().captions)
        header += caption + ",";
    EXPECT_EQ(exported(GetParam().topic, GetParam().captions),
        header + "\r\n" + GetParam().recordLine + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(Topics, TopicExportConversions,
    ::testing::Values(
        ConversionCase {"IllnessOnsetDateShownCuredDateAndProviderAsStored", Topic::Illnesses,
            {"Onset Date", "Cured Date", "Provider"}, "05.01.2024,20240110,20230101000000p,"},
        ConversionCase {"SurgeryProviderAsStored", Topic::Surgeries, {"Date", "Provider"},
            "15.06.2022,20230102000000p,"},
        ConversionCase {"MedicationPhysicianAndPharmacyNamedStopDateAsStored", Topic::Medications,
            {"Start Date", "Stop Date", "Physician", "Pharmacy"},
            "05.01.2024,20240110,Kim Ray,Corner Drug,"},
        ConversionCase {"VaccinationPhysicianNamedEmptyDateEmpty", Topic::Vaccinations,
            {"Date", "Physician"}, ",Kim Ray,"},
        ConversionCase {"BloodPressureDateAndNoon", Topic::BloodPressure,
            {"Systolic", "Date", "Time"}, "120,01.02.2024,12:00 PM,"},
        ConversionCase {"FamilyDatesAsStored", Topic::FamilyHistory, {"Birthdate", "Deceased"},
            "19400101,20001231,"},
        ConversionCase {"InsuranceDateAsStored", Topic::Insurance, {"Company", "Date"},
            "\"Acme, Inc.\",20240102,"},
        ConversionCase {
            "ContactFromItsMaster", Topic::Contacts, {"Last Name", "First Name"}, "Poe,Sue,"},
        ConversionCase {
            "SameFieldTwice", Topic::FamilyHistory, {"First Name", "First Name"}, "Eve,Eve,"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(TopicExportTest, ALinkWhoseMasterIsGoneGivesNoLine)
{
    // Ann is linked to Acme and to a company no longer in the list.
    EXPECT_EQ(exported(Topic::Insurance, {"Company", "Type"}),
        "Company,Type,\r\n\"Acme, Inc.\",Dental,\r\n");
    EXPECT_EQ(lines, 1u);
}

TEST_F(TopicExportTest, AProfileWithoutRecordsGetsTheHeaderOnly)
{
    EXPECT_EQ(exported(Topic::Weight, {"Weight", "Date"}, ",", benKey), "Weight,Date,\r\n");
    EXPECT_EQ(lines, 0u);
}

TEST_F(TopicExportTest, ACaptionThatIsNoFieldOfTheTopicIsRefusedBeforeAnyFile)
{
    EXPECT_THROW(
        TopicExport(store, exportTopic(Topic::Weight), {"Weight", "Systolic"}, ",", dayFirst()),
        AppError);
}

} // namespace
