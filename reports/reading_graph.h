#pragma once

#include "documents/graph_model.h"
#include "store/display_preferences.h"
#include "store/store.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>
#include <string_view>

namespace vantorelle {

// The readings a graph can show, in the order the graph window lists them.
enum class GraphTopic { BloodPressure, Weight, Cholesterol, Glucose };
inline constexpr int graphTopicCount = 4;

// "Blood Pressure", "Weight", "Cholesterol", "Glucose".
QString graphTopicName(GraphTopic topic);

// When a reading was taken, from its stored "yyyymmdd" date and "HH:mm" time
// (an hour of one digit too; an empty time is midnight), as the wall-clock
// time it shows, in UTC. Nothing when the date or the time cannot be read.
std::optional<QDateTime> readingTime(std::string_view date, std::string_view time);

// The time axis from `first` at 00:00 to `last` at 23:59, marked every day
// under 29 days, every two days (dates on every other mark) under 100 days,
// else every week (dates on every fourth mark).
TimeAxis graphTimeAxis(QDate first, QDate last);

// The graph of the readings of `topic` that the profile whose Key is
// `profileKey` took from `first` to `last` (both days included): one series
// per value (blood pressure: systolic, diastolic, pulse; weight; cholesterol:
// total, LDL, HDL, triglycerides; glucose: glucose in the preferred units,
// carbohydrates, insulin), each the number its field begins with (0 for
// none), with the topic's titles and the time axis of the range. Readings
// whose date or time cannot be read are left out. Read through the store's
// read-only query: no table's view moves.
GraphModel readingGraph(const Store &store, std::string_view profileKey, GraphTopic topic,
    QDate first, QDate last, const DisplayPreferences &display);

} // namespace vantorelle
