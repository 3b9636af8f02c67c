#include "reports/reading_graph.h"

#include "store/field_tables.h"
#include "store/glucose_units.h"
#include "store/stored_dates.h"
#include "store/table_catalog.h"
#include "store/table_error.h"
#include "text/stored_text.h"

#include <QColor>

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace vantorelle {

namespace {

constexpr int maxSeries = 4;

// What the graph of one topic shows.
struct TopicGraph {
    std::string_view name;
    TableId table;
    const FieldTable *fields;
    int seriesCount;
    std::array<int, maxSeries> rows; // the field-table rows plotted, one per series
    std::array<std::string_view, maxSeries> seriesNames; // none for a single series
    std::string_view title;
    std::string_view valueAxisTitle;
    bool glucoseFirst; // the first series is a glucose reading, shown in the preferred units
};

// In GraphTopic order.
const std::array<TopicGraph, graphTopicCount> topicGraphs = {{
    {"Blood Pressure", TableId::BP, &bpFields, 3, {1, 2, 3}, {"Systolic", "Diastolic", "Pulse"},
        "Blood Pressure vs Time", "Units", false},
    {"Weight", TableId::Weight, &weightFields, 1, {1}, {}, "Weight vs Time", "Weight", false},
    {"Cholesterol", TableId::Chol, &cholFields, 4, {1, 2, 3, 4},
        {"Total", "LDL", "HDL", "Triglycerides"}, "Cholesterol vs Time", "Units", false},
    {"Glucose", TableId::Glucose, &glucoseFields, 3, {1, 3, 8}, {"Glucose", "Carbs(g)", "Insulin"},
        "Glucose vs Time", "Units", true},
}};

// The series' colours, in series order: red, grey, blue, green.
const std::array<QColor, maxSeries> seriesColours
    = {QColor(255, 0, 0), QColor(128, 128, 128), QColor(0, 0, 255), QColor(0, 150, 0)};

const TopicGraph &topicGraph(GraphTopic topic)
{
    return topicGraphs[static_cast<std::size_t>(topic)];
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The number of `count` digits at `at`; -1 when one is not a digit.
int digits(std::string_view text, std::size_t at, std::size_t count)
{
    int number = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (!isDigit(text[i]))
            return -1;
        number = number * 10 + (text[i] - '0');
    }
    return number;
}

std::optional<QTime> storedTime(std::string_view time)
{
    if (time.empty())
        return QTime(0, 0);
    const std::size_t colon = time.find(':');
    if (colon != 1 && colon != 2)
        return std::nullopt;
    if (time.size() != colon + 3)
        return std::nullopt;
    const int hour = digits(time, 0, colon);
    const int minute = digits(time, colon + 1, 2);
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59)
        return std::nullopt;
    return QTime(hour, minute);
}

// The position of field `name` among the table's columns.
std::size_t columnOf(TableId table, std::string_view name)
{
    const std::vector<Column> columns = tableColumns(table);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].name == name)
            return i;
    }
    throw TableError(TableError::UnknownColumn,
        "Item cannot be found in the collection corresponding to the requested name or ordinal: "
            + std::string(name));
}

} // namespace

QString graphTopicName(GraphTopic topic)
{
    return ownText(topicGraph(topic).name);
}

std::optional<QDateTime> readingTime(std::string_view date, std::string_view time)
{
    if (date.size() != 8)
        return std::nullopt;
    const int year = digits(date, 0, 4);
    const int month = digits(date, 4, 2);
    const int day = digits(date, 6, 2);
    if (year < 0 || month < 0 || day < 0)
        return std::nullopt;
    const QDate when(year, month, day);
    const std::optional<QTime> at = storedTime(time);
    if (!when.isValid() || !at)
        return std::nullopt;
    return QDateTime(when, *at, Qt::UTC);
}

TimeAxis graphTimeAxis(QDate first, QDate last)
{
    TimeAxis axis;
    axis.start = QDateTime(first, QTime(0, 0), Qt::UTC);
    axis.end = QDateTime(last, QTime(23, 59), Qt::UTC);
    const double days = axis.start.secsTo(axis.end) / 86400.0;
    if (days < 29) {
        axis.stepHours = 24;
        axis.labelEvery = 1;
    } else if (days < 100) {
        axis.stepHours = 48;
        axis.labelEvery = 2;
    } else {
        axis.stepHours = 168;
        axis.labelEvery = 4;
    }
    return axis;
}

GraphModel readingGraph(const Store &store, std::string_view profileKey, GraphTopic topic,
    QDate first, QDate last, const DisplayPreferences &display)
{
    const TopicGraph &graph = topicGraph(topic);
    GraphModel model;
    model.setTitle(ownText(graph.title));
    model.setValueAxisTitle(ownText(graph.valueAxisTitle));
    model.setTimeAxisTitle(QStringLiteral("Date"));
    for (int s = 0; s < graph.seriesCount; ++s)
        model.addSeries(ownText(graph.seriesNames[s]), seriesColours[s]);
    model.setLegendShown(graph.seriesCount > 1);
    model.setTimeAxis(graphTimeAxis(first, last));

    const std::size_t dateColumn = columnOf(graph.table, "Date");
    const std::size_t timeColumn = columnOf(graph.table, "Time");
    std::array<std::size_t, maxSeries> valueColumns {};
    for (int s = 0; s < graph.seriesCount; ++s)
        valueColumns[s] = columnOf(graph.table, graph.fields->row(graph.rows[s]).name);
    const std::size_t unitsColumn = graph.glucoseFirst ? columnOf(graph.table, "Units") : 0;

    QList<double> values(graph.seriesCount);
    for (const RowView row : store.profileRows(graph.table, profileKey)) {
        const std::optional<QDateTime> when
            = readingTime(row.value(dateColumn), row.value(timeColumn));
        if (!when || when->date() < first || when->date() > last)
            continue;
        for (int s = 0; s < graph.seriesCount; ++s) {
            const std::string_view value = row.value(valueColumns[s]);
            values[s] = s == 0 && graph.glucoseFirst
                ? leadingNumber(glucoseInUnits(value, row.value(unitsColumn), display.glucoseUnits))
                : leadingNumber(value);
        }
        model.appendRow(*when, values);
    }
    return model;
}

} // namespace vantorelle
