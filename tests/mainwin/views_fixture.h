#pragma once

#include "startup_fixture.h"
#include "store/memory_table.h"
#include "store/table_catalog.h"

#include <string>

namespace vantorelle {

// A MainWindow started on a data folder made of the program's templates and the
// tables of a fixture folder under tests/data.
class ViewsFixture : public StartupFixture {
protected:
    // Starts the window; false when its load step failed.
    bool startOn(const QString &fixture = QStringLiteral("mainwin"),
        const QString &installType = QStringLiteral("Win"));

    MemoryTable &table(TableId id);
    // Shows `topic` of the profile the selector lists at `profile`.
    void show(int profile, Topic topic);
    // Makes `row` the grid's current row, as the user's click does.
    void clickRow(int row);
    // The viewer's text as shown.
    QString viewerText() const;
    // Where the viewer's values start on screen (valueStarts), for a viewer
    // as wide as the window's.
    QList<qreal> viewerValueStarts() const;
};

} // namespace vantorelle
