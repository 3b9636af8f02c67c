#pragma once

#include "report_fixture.h"

#include "platform/paths.h"
#include "reports/report_file.h"
#include "settings/installation.h"
#include "store/clock.h"
#include "support/fake_file_dialogs.h"
#include "support/fake_main_window_context.h"
#include "support/fake_prompter.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace vantorelle {

// A name given in a window's save dialog (none: cancelled), and what becomes of it.
struct SaveCase {
    const char *name;
    const char *fileName;
    bool saved;
    bool refused;
};

inline void PrintTo(const SaveCase &c, std::ostream *out)
{
    *out << c.name;
}

inline std::string saveCaseName(const ::testing::TestParamInfo<SaveCase> &info)
{
    return info.param.name;
}

// The report builder and windows on a faked main window that shows Ann Lee, over
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

    // The file the save dialog answers for `c`, told to `files`; empty when cancelled.
    QString answerSaveDialog(FakeFileDialogs &files, const SaveCase &c) const
    {
        if (!c.fileName)
            return {};
        const QString target = cache.filePath(QString::fromLatin1(c.fileName));
        files.setNextAnswers({target});
        return target;
    }
    // The one save dialog asked for, opening on the documents folder.
    static void expectOneSaveDialog(
        const FakeFileDialogs &files, const char *title, const char *filter)
    {
        ASSERT_EQ(files.requests.size(), 1);
        EXPECT_EQ(files.requests[0].title, title);
        EXPECT_EQ(files.requests[0].filter, filter);
        EXPECT_EQ(files.requests[0].initialPath, paths().documentsFolder());
    }
    // The one box that turns down a name without the `format` (GIF, RTF)
    // extension when `refused`, else no box at all.
    void expectFormatRefusal(bool refused, const QString &format) const
    {
        if (!refused) {
            EXPECT_TRUE(prompter.boxes.isEmpty());
            return;
        }
        ASSERT_EQ(prompter.boxes.size(), 1);
        EXPECT_EQ(prompter.boxes[0].title, "File Format Error");
        EXPECT_EQ(prompter.boxes[0].text,
            QStringLiteral("The file format must be an %1 file, so the filename must have an "
                           "extension of .%2.")
                .arg(format, format.toLower()));
        EXPECT_EQ(prompter.boxes[0].buttons, Prompter::OkOnly);
    }
    // The one box that says a save failed, its text starting with `start`.
    void expectSaveError(const char *start) const
    {
        ASSERT_EQ(prompter.boxes.size(), 1);
        EXPECT_EQ(prompter.boxes[0].title, "Error");
        EXPECT_TRUE(prompter.boxes[0].text.startsWith(QLatin1String(start)))
            << prompter.boxes[0].text.toStdString();
    }

    FixedClock clock {{2024, 6, 11, 9, 30, 0}};
    QTemporaryDir data;
    QTemporaryDir cache;
    FakeMainWindowContext context {data.path().toStdString()};
    FakePrompter prompter;
    ReportFile reportFile {cache.filePath(QStringLiteral("Vantorelle"))};
};

} // namespace vantorelle
