#include "exchange/import_text.h"
#include "exchange/reading_import.h"
#include "import_fixture.h"
#include "store/clock.h"
#include "store/store.h"
#include "store/table_rows.h"
#include "support/temporary_install.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <string>
#include <vector>

using namespace vantorelle;

namespace {

const ImportTopic &topicOf(Topic topic)
{
    for (const ImportTopic &each : importTopics) {
        if (each.topic == topic)
            return each;
    }
    throw std::logic_error("no such import topic");
}

class ReadingImportTest : public ::testing::Test {
protected:
    ReadingImportTest()
        : clock_({2026, 12, 10, 19, 30, 0})
    {
        Clock::install(&clock_);
        copyTree(basicDataFolder(), dir_.path());
        store_ = std::make_unique<Store>(folder());
        EXPECT_TRUE(store_->load().empty());
    }
    ~ReadingImportTest() override { Clock::install(nullptr); }

    std::string folder() const { return dir_.path().toStdString() + "/"; }

    // Imports `text` (the whole file) into Ann's readings; the result of each line.
    std::vector<ReadingImport::LineResult> import(Topic topic, std::vector<std::string> columns,
        std::string_view text, ImportDelimiter delimiter = ImportDelimiter::Comma,
        std::string units = {})
    {
        ReadingImportChoices choices;
        choices.topic = &topicOf(topic);
        choices.columns = std::move(columns);
        choices.delimiter = delimiter;
        choices.units = std::move(units);
        ReadingImport reading(*store_, std::move(choices), basicAnnKey);
        ImportText lines(text);
        std::vector<ReadingImport::LineResult> results;
        std::string_view line;
        while (lines.nextLine(line))
            results.push_back(reading.addLine(line));
        reading.finish();
        counted_ = reading.counted();
        refusal_ = reading.refusal();
        return results;
    }

    // Ann's new readings of `table` in Key order, each "field|field|..." over
    // the fields named, after the key.
    std::vector<std::string> added(
        const Store &store, TableId table, const std::vector<std::string> &fields) const
    {
        std::vector<std::string> rows;
        for (const RowView &row : store.profileRows(table, basicAnnKey)) {
            if (row.value("STATUS") != "0x0008")
                continue;
            std::string shown(row.value("Key"));
            for (const std::string &field : fields)
                shown += "|" + std::string(row.value(field));
            rows.push_back(shown);
        }
        return rows;
    }

    QTemporaryDir dir_;
    FixedClock clock_;
    std::unique_ptr<Store> store_;
    std::size_t counted_ = 0;
    std::string refusal_;
};

using Line = ReadingImport::LineResult;

TEST_F(ReadingImportTest, AWholeFileIsAddedAndSaved)
{
    const std::string file = "120,80,3/7/2024,8:05 PM,\"after a walk, tired\",IGNORED\r\n"
                             "\r\n"
                             "   \r\n"
                             "121,81,3/7/2024,20:05,\"said \"\"fine\"\"\"\r\n"
                             "130,85,,09:00,no date\r\n"
                             "1234567,90,12/25/2025\r\n";
    const auto results = import(Topic::BloodPressure,
        {"Systolic", "Diastolic", "Date", "Time", "Notes", "IGNORE this field"}, file);
    EXPECT_EQ(results,
        (std::vector<Line> {
            Line::Added, Line::Blank, Line::Blank, Line::Added, Line::NoDate, Line::Added}));
    EXPECT_EQ(counted_, 4U);

    const std::vector<std::string> fields
        = {"REC_ID", "SBP", "DBP", "Pulse", "Date", "Time", "Notes"};
    const std::vector<std::string> expected = {
        basicAnnKey
            + "79748774"
              "9999"
              "20261210193000p|0x00000000|12345|90||20251225||",
        basicAnnKey
            + "79759692"
              "7994"
              "20261210193000p|0x00000000|120|80||20240307|20:05|after a walk, tired",
        basicAnnKey
            + "79759692"
              "7994"
              "20261210193001p|0x00000000|121|81||20240307|20:05|said \"fine\"",
    };
    EXPECT_EQ(added(*store_, TableId::BP, fields), expected);

    ASSERT_TRUE(store_->writeTables().empty());
    const QByteArray saved = readFile(QString::fromStdString(folder() + "VantorelleBP.cdb"));
    EXPECT_TRUE(saved.contains("\r\n0x00000000,0x0008,\"" + QByteArray::fromStdString(basicAnnKey)
        + "79759692799420261210193001p\",\"121\",\"81\",\"\",\"20240307\",\"20:05\",\"\","
          "\"said \"\"fine\"\"\",\"\",\"\",\"\"\r\n"))
        << saved.toStdString();
    Store reloaded(folder());
    ASSERT_TRUE(reloaded.load().empty());
    EXPECT_EQ(added(reloaded, TableId::BP, fields), expected);
}

TEST_F(ReadingImportTest, RefusedLinesAreCountedAndAddNothing)
{
    const struct {
        const char *line, *refusal;
    } cases[] = {
        {"13/01/2024,8:00", "The date \"13/01/2024\" is not a date in the chosen format."},
        {"2/30/2024,8:00", "The date \"2/30/2024\" is not a date in the chosen format."},
        {"12/25/08,8:00", "The date \"12/25/08\" is not a date in the chosen format."},
        {"12-25-2008,8:00", "The date \"12-25-2008\" is not a date in the chosen format."},
        {"12/25/2008,25:00", "The time \"25:00\" is not a time of day."},
        {"12/25/2008,noon", "The time \"noon\" is not a time of day."},
        {"\"12/25/2008,8:00", "A quoted column has no closing quote followed by a comma."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(
            import(Topic::Weight, {"Date", "Time"}, c.line), std::vector<Line> {Line::Refused});
        EXPECT_EQ(counted_, 1U);
        EXPECT_EQ(refusal_, c.refusal);
    }
    EXPECT_TRUE(added(*store_, TableId::Weight, {}).empty());
}

TEST_F(ReadingImportTest, GlucoseReadingsTakeTheUnitsAskedForAndTabsKeepQuotes)
{
    import(Topic::Glucose, {"Glucose", "Units", "Date", "Notes", "Notes"},
        "5.4\tmg/dL\t01/02/2024\t\"first\"\t\"second\"\n", ImportDelimiter::Tab, "mmol/L");
    EXPECT_EQ(added(*store_, TableId::Glucose, {"Glucose", "Units", "Date", "Notes"}),
        std::vector<std::string> {basicAnnKey
            + "79759897"
              "9999"
              "20261210193000p|5.4|mmol/L|20240102|\"second\""});
}

} // namespace
