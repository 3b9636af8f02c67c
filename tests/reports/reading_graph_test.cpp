#include "report_fixture.h"

#include "reports/reading_graph.h"
#include "store/table_catalog.h"

#include <gtest/gtest.h>

#include <ostream>
#include <utility>

using namespace vantorelle;

namespace {

// A graph's readings as text: "yyyy-MM-dd HH:mm" and the values.
using Points = std::vector<std::pair<std::string, std::vector<double>>>;

Points pointsOf(const GraphModel &model)
{
    Points points;
    for (const GraphRow &row : model.rows())
        points.emplace_back(row.time.toString(QStringLiteral("yyyy-MM-dd HH:mm")).toStdString(),
            std::vector<double>(row.values.begin(), row.values.end()));
    return points;
}

std::vector<std::string> seriesNames(const GraphModel &model)
{
    std::vector<std::string> names;
    for (const GraphSeries &series : model.series())
        names.push_back(series.name.toStdString());
    return names;
}

class ReadingGraph : public ReportFixture {
protected:
    GraphModel graph(GraphTopic topic, std::string_view profile = ann)
    {
        return readingGraph(store, profile, topic, march.first, march.second, display);
    }

    // Adds a blood-pressure reading of Ann's: systolic 100 + `n`.
    void addReading(int n, const char *date, const char *time)
    {
        MemoryTable &table = store.table(TableId::BP);
        table.addNew();
        table.setValue("REC_ID", "0x00000000");
        table.setValue("STATUS", "0x0008");
        table.setValue("Key", std::string(ann) + "9" + std::to_string(n));
        table.setValue("SBP", std::to_string(100 + n));
        table.setValue("Date", date);
        table.setValue("Time", time);
        table.update();
    }

    const std::pair<QDate, QDate> march {QDate(2024, 3, 1), QDate(2024, 3, 31)};
    DisplayPreferences display;
};

TEST_F(ReadingGraph, BloodPressureIsThreeSeriesOfTheProfilesReadings)
{
    const GraphModel model = graph(GraphTopic::BloodPressure);
    EXPECT_EQ(model.title(), "Blood Pressure vs Time");
    EXPECT_EQ(model.valueAxisTitle(), "Units");
    EXPECT_EQ(model.timeAxisTitle(), "Date");
    EXPECT_EQ(seriesNames(model), std::vector<std::string>({"Systolic", "Diastolic", "Pulse"}));
    EXPECT_TRUE(model.legendShown());
    // Newest first, as stored; Bob's reading and Ann's deleted one are not drawn.
    EXPECT_EQ(pointsOf(model),
        Points({{"2024-03-15 08:00", {120, 80, 65}}, {"2024-03-14 18:00", {130, 85, 70}}}));
    for (const GraphRow &row : model.rows())
        EXPECT_EQ(row.time.timeSpec(), Qt::UTC);
}

TEST_F(ReadingGraph, GlucoseIsShownInThePreferredUnitsAndAMissingValueIsZero)
{
    const GraphModel model = graph(GraphTopic::Glucose);
    EXPECT_EQ(model.title(), "Glucose vs Time");
    EXPECT_EQ(seriesNames(model), std::vector<std::string>({"Glucose", "Carbs(g)", "Insulin"}));
    EXPECT_EQ(pointsOf(model),
        Points({{"2024-03-15 07:30", {100, 45, 2}}, {"2024-03-14 13:00", {99, 0, 0}}}))
        << "5.5 mmol/L is 99 mg/dL";

    display.glucoseUnits = "mmol/L";
    EXPECT_EQ(pointsOf(graph(GraphTopic::Glucose)),
        Points({{"2024-03-15 07:30", {5.6, 45, 2}}, {"2024-03-14 13:00", {5.5, 0, 0}}}));
}

TEST_F(ReadingGraph, WeightIsOneSeriesWithoutLegend)
{
    const GraphModel model = graph(GraphTopic::Weight);
    EXPECT_EQ(model.title(), "Weight vs Time");
    EXPECT_EQ(model.valueAxisTitle(), "Weight");
    EXPECT_EQ(model.series().size(), 1);
    EXPECT_FALSE(model.legendShown());
    EXPECT_EQ(pointsOf(model), Points({{"2024-03-15 07:00", {150}}}));
}

TEST_F(ReadingGraph, CholesterolIsFourSeries)
{
    const GraphModel model = graph(GraphTopic::Cholesterol);
    EXPECT_EQ(model.title(), "Cholesterol vs Time");
    EXPECT_EQ(
        seriesNames(model), std::vector<std::string>({"Total", "LDL", "HDL", "Triglycerides"}));
    EXPECT_EQ(pointsOf(model), Points({{"2024-03-01 10:00", {190, 110, 50, 150}}}));
}

TEST_F(ReadingGraph, TakesTheReadingsOfTheRangesDaysAndSkipsUnreadableOnes)
{
    // Shown dates put the day first; the graph goes by the stored ones.
    display.dateFormat = DateFormat::DayMonthYear;
    display.dateSeparator = ".";
    addReading(1, "20240229", "23:59"); // the day before the range
    addReading(2, "20240301", "00:00"); // its first day
    addReading(3, "20240331", "23:59"); // its last day
    addReading(4, "20240401", "00:00"); // the day after
    addReading(5, "20240320", ""); // no time: midnight
    addReading(6, "20240321", "7:05"); // an hour of one digit
    addReading(7, "03/22/2024", "08:00"); // a shown date, not a stored one
    addReading(8, "20240323", "25:00");
    addReading(9, "20240230", "08:00");
    addReading(10, "2024032", "08:00");
    addReading(11, "20240324", "8 AM");

    std::vector<std::string> times;
    for (const auto &[time, values] : pointsOf(graph(GraphTopic::BloodPressure)))
        times.push_back(time);
    std::sort(times.begin(), times.end());
    EXPECT_EQ(times,
        std::vector<std::string>({"2024-03-01 00:00", "2024-03-14 18:00", "2024-03-15 08:00",
            "2024-03-20 00:00", "2024-03-21 07:05", "2024-03-31 23:59"}));
}

TEST_F(ReadingGraph, AProfileWithoutReadingsGivesTheTitlesAndTheAxisOnly)
{
    for (const std::string_view profile : {std::string_view(bob), std::string_view()}) {
        const GraphModel model = graph(GraphTopic::Weight, profile);
        EXPECT_TRUE(model.rows().isEmpty());
        EXPECT_EQ(model.title(), "Weight vs Time");
        EXPECT_TRUE(model.timeAxis().isValid());
    }
}

TEST(ReadingTime, ReadsStoredDatesAndTimesOnly)
{
    const struct {
        const char *date;
        const char *time;
        const char *expected; // "" for unreadable
    } cases[] = {
        {"20240311", "14:30", "2024-03-11 14:30"},
        {"20240311", "", "2024-03-11 00:00"},
        {"20240229", "9:05", "2024-02-29 09:05"},
        {"20240311", "24:00", ""},
        {"20240311", "12:60", ""},
        {"20240311", "1230", ""},
        {"20240311", "12:3", ""},
        {"20230229", "08:00", ""},
        {"2024031", "08:00", ""},
        {"11032024", "08:00", ""},
        {"2024-3-1", "08:00", ""},
        {"", "08:00", ""},
    };
    for (const auto &c : cases) {
        const std::optional<QDateTime> time = readingTime(c.date, c.time);
        EXPECT_EQ(time ? time->toString(QStringLiteral("yyyy-MM-dd HH:mm")).toStdString() : "",
            c.expected)
            << c.date << " " << c.time;
    }
}

struct AxisCase {
    const char *name;
    int daysAfterStart;
    int stepHours;
    int labelEvery;
};

void PrintTo(const AxisCase &c, std::ostream *out)
{
    *out << c.name;
}

class GraphTimeAxis : public ::testing::TestWithParam<AxisCase> { };

// The span runs from the first day's midnight to the last day's 23:59.
TEST_P(GraphTimeAxis, StepFollowsTheSpan)
{
    const AxisCase &c = GetParam();
    const QDate first(2024, 1, 10);
    const TimeAxis axis = graphTimeAxis(first, first.addDays(c.daysAfterStart));
    EXPECT_EQ(axis.start, QDateTime(first, QTime(0, 0), Qt::UTC));
    EXPECT_EQ(axis.end, QDateTime(first.addDays(c.daysAfterStart), QTime(23, 59), Qt::UTC));
    EXPECT_EQ(axis.stepHours, c.stepHours);
    EXPECT_EQ(axis.labelEvery, c.labelEvery);
}

INSTANTIATE_TEST_SUITE_P(Spans, GraphTimeAxis,
    ::testing::Values(AxisCase {"OneDay", 0, 24, 1}, AxisCase {"TwentyEightDaysOn", 28, 24, 1},
        AxisCase {"TwentyNineDaysOn", 29, 48, 2}, AxisCase {"NinetyNineDaysOn", 99, 48, 2},
        AxisCase {"HundredDaysOn", 100, 168, 4}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
