#include "bench/export_bench.h"

#include "bench/bench_timing.h"

#include "exchange/database_export.h"
#include "exchange/export_file.h"
#include "exchange/export_topics.h"
#include "exchange/topic_export.h"
#include "store/criterion.h"

#include <QFileInfo>
#include <QString>

#include <cstdio>
#include <string>

namespace vantorelle {

namespace {

constexpr int readingCount = 25000;

// One profile's ten years of blood pressure, several readings a day, among
// another profile's.
void addReadings(Store &store, const std::string &profile)
{
    MemoryTable &bp = store.table(TableId::BP);
    bp.setFilter(Criterion::standardFilter());
    char text[64];
    for (int i = 0; i < readingCount; ++i) {
        const int day = i / 7;
        bp.addNew();
        bp.setValue("REC_ID", "0x00000000");
        bp.setValue("STATUS", "0x0000");
        std::snprintf(
            text, sizeof text, "%s%08d%04d", profile.c_str(), 79759999 - day, 9999 - i % 7);
        bp.setValue("Key", text);
        bp.setValue("SBP", std::to_string(110 + i % 40));
        bp.setValue("DBP", std::to_string(70 + i % 20));
        bp.setValue("Pulse", std::to_string(60 + i % 30));
        std::snprintf(
            text, sizeof text, "%04d%02d%02d", 2014 + day / 365, 1 + day / 31 % 12, 1 + day % 28);
        bp.setValue("Date", text);
        std::snprintf(text, sizeof text, "%02d:%02d", 6 + i % 7 * 2, i % 60);
        bp.setValue("Time", text);
        bp.setValue("Activity", i % 3 ? "Resting" : "After a walk, \"brisk\"");
        bp.setValue("Notes", i % 5 ? "" : "Felt fine\r\nslept well");
        bp.update();
    }
}

} // namespace

void benchExport(Store &store, const std::string &folder)
{
    const QString databaseFile = QString::fromStdString(folder + "/family.lxp");
    std::size_t lines = 0;
    const Runs database = timeRuns(5, [&] {
        ExportFile file(databaseFile);
        if (!file.open())
            return;
        lines = DatabaseExport(store).write(file, databaseFile.toStdString(), "Mar 8, 2024");
        file.commit();
    });
    const double bytes = static_cast<double>(QFileInfo(databaseFile).size());
    const double rate = bytes / 1e6 / (database.median / 1000);
    char extra[48];
    std::snprintf(extra, sizeof extra, "%.0f MB/s, %.0f MB", rate, bytes / 1e6);
    report("export the whole database: .lxp, flushed, renamed", database, extra, ">= 150 MB/s",
        rate >= 150 && lines > 0);

    Store readings {std::string()};
    const std::string profile = "20140101080000p";
    addReadings(readings, profile);
    const ExportTopic &bloodPressure
        = exportTopics[topicIndex(Topic::BloodPressure) - topicIndex(Topic::Insurance)];
    const TopicExport exporter(readings, bloodPressure,
        {"Systolic", "Diastolic", "Pulse", "Date", "Time", "Activity", "Notes"}, ",",
        DisplayPreferences());
    const QString topicFile = QString::fromStdString(folder + "/blood_pressure.csv");
    const Runs topic = timeRuns(9, [&] {
        ExportFile file(topicFile);
        if (!file.open())
            return;
        lines = exporter.write(profile, file);
        file.commit();
    });
    report("export one topic: 25,000 blood-pressure readings", topic,
        std::to_string(lines) + " lines", "< 100 ms",
        topic.median < 100 && lines == std::size_t(readingCount));
}

} // namespace vantorelle
