#pragma once

#include <gtest/gtest.h>

#include "editor/record_editor.h"
#include "mainwin/main_window.h"
#include "store/clock.h"
#include "store/memory_table.h"
#include "store/table_catalog.h"
#include "store/topics.h"
#include "support/fake_prompter.h"
#include "support/fake_registry.h"
#include "support/fake_window_finder.h"
#include "support/find_control.h"

// The main window's controls, which the tests find by name.
#include "support/temporary_install.h"
#include "widgets/rich_text_view.h"
#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>

#include <QStringList>

#include <memory>

namespace vantorelle {

// A MainWindow with the record editor installed, started on a data folder made of
// the program's templates and the tables of tests/data/editor: one profile
// (Ann Lee, "20090305070809p") with readings of the four reading topics. The
// clock stands at 7 March 2026, 09:05:00.
class EditorFixture : public ::testing::Test {
protected:
    static constexpr const char *profileKey = "20090305070809p";
    // The Key a reading saved now gets: profile, inverted date and time, clock.
    static constexpr const char *newKey = "20090305070809p79739692909420260307090500p";

    void SetUp() override;
    void TearDown() override;

    MemoryTable &table(TableId id);
    // Selects a topic in the topic list, as the user's click does.
    void showTopic(Topic topic);
    // Makes the grid row of the record with `key` current; false when no row shows it.
    bool selectRecord(const QString &key);
    // The Key of the record the grid's current row shows.
    QString currentGridKey() const;

    // The record lines of a table's file in the data folder, as they stand.
    QStringList fileLines(TableId id) const;
    // The record lines the fixture's file holds.
    static QStringList fixtureLines(TableId id);
    // Writes every table back (Save All's writing step) and expects no failure.
    void saveTables();

    // Puts `value` into the control of `row` on the panel of `topic`, as the user would.
    void enter(Topic topic, int row, const QString &value);

    // The control named `name` in the main window or on the editor's panels.
    template<typename Control> Control *control(const char *name) const
    {
        return findControl<Control>(*main, name);
    }

    bool editing() const;
    QStringList boxTexts() const;

    // A further folder of tests/data whose tables are copied over the
    // editor's; set it before SetUp.
    QString moreData;

    TemporaryInstall install;
    FakeRegistry registry;
    FakePrompter prompter;
    // The watch of the main window looks here, not on the X server the tests share.
    FakeWindowFinder windowFinder;
    FixedClock clock {{2026, 3, 7, 9, 5, 0}};
    QString folder; // the data folder
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<RecordEditor> editor;

private:
};

} // namespace vantorelle
