#pragma once

#include "report_fixture.h"

#include "reports/report_file.h"
#include "settings/installation.h"
#include "store/clock.h"
#include "support/fake_main_window_context.h"
#include "support/fake_prompter.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace vantorelle {

// The report and graph windows on a faked main window that shows Ann Lee, over
// a copy of the report fixture whose folder also holds the settings file; the
// report file is in a folder of the test's own, and the clock stands at
// 11 June 2024.
class ReportWindowFixture : public ::testing::Test {
protected:
    static constexpr const char *ann = "20090305070809p";

    void SetUp() override
    {
        Clock::install(&clock);
        copyTree(reportFixtureFolder(), data.path());
        Installation installation;
        installation.dataFolder = data.path() + QLatin1Char('/');
        context.setInstallation(installation);
        const auto failures = context.store().load();
        ASSERT_TRUE(failures.empty()) << failures.front().path;
        context.profile = ListedProfile {ann, QStringLiteral("Lee, Ann")};
    }
    void TearDown() override { Clock::install(nullptr); }

    QString settingsFile() const { return context.installation().settingsFile(); }
    void writeSettings(const QByteArray &mainSection)
    {
        writeFile(settingsFile(), "[Main]\r\n" + mainSection);
    }
    // The keys and values of the settings file, in file order.
    std::vector<std::pair<std::string, std::string>> settings() const
    {
        std::vector<std::pair<std::string, std::string>> values;
        for (const QByteArray &line : readFile(settingsFile()).split('\n')) {
            const QByteArray text = line.trimmed();
            const qsizetype equals = text.indexOf('=');
            if (equals > 0)
                values.emplace_back(
                    text.left(equals).toStdString(), text.mid(equals + 1).toStdString());
        }
        return values;
    }

    FixedClock clock {{2024, 6, 11, 9, 30, 0}};
    QTemporaryDir data;
    QTemporaryDir cache;
    FakeMainWindowContext context {data.path().toStdString()};
    FakePrompter prompter;
    ReportFile reportFile {cache.filePath(QStringLiteral("Vantorelle"))};
};

} // namespace vantorelle
