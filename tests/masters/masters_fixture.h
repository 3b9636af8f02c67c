#pragma once

#include <gtest/gtest.h>

#include "masters/master_list_editor.h"
#include "store/clock.h"
#include "store/memory_table.h"
#include "store/table_catalog.h"
#include "support/fake_main_window_context.h"
#include "support/fake_prompter.h"
#include "support/find_control.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <ostream>
#include <string>

// Texts in failure messages as text (found by argument lookup, beside QString).
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace vantorelle {

// A main window as the master-list windows see it, on a copy of the tables of
// tests/data/basic: contact "Smith, Jo", insurance "ACME Health" (type "PPO",
// date 20090101), locations "Clinic" and "St. Mary's" (new on the PC),
// pharmacy "Corner Drug", provider "Dr. Who" (and "Dr. Gone", deleted),
// provider types "Cardiology" and "GP"; date preference month, day, year
// with "/". The clock stands at 15 March 2024, 14:30:05.
class MastersFixture : public ::testing::Test {
protected:
    static constexpr const char *clockKey = "20240315143005p";

    void SetUp() override;
    void TearDown() override;

    MemoryTable &table(TableId id) { return context->store().table(id); }

    // Opens the editor on `list`, shown and active, as the menu opens it.
    void open(MasterListId list);

    template<typename Control> Control *control(const char *name) const
    {
        return findControl<Control>(*editor, name);
    }
    // Replaces what the control `name` holds by typing `text` into it: a text
    // box or an editable combo box (all selected, then typed), a drop-down
    // list (the keyboard search picks the item), a date picker (ticked, then
    // the date typed).
    void type(const char *name, const QString &text);
    void click(const char *button);
    // What the control `name` shows: a text box's or combo box's text, a date
    // picker's date as stored.
    QString shown(const char *name) const;
    // The texts of the item list, and the selected one.
    QStringList listed() const;
    QString selected() const;
    // Selects the row of the item list showing `text` (the first such row
    // from `from` on), as a click on it does.
    void select(const QString &text, int from = 0);

    // Every row of the table, tombstones included, as "REC_ID STATUS Key", sorted.
    QStringList rows(TableId id);
    // Writes every table (Save All's writing step), expecting no failure.
    void saveAll();
    // The record lines of the table's file as it stands.
    QStringList fileLines(TableId id) const;
    // The same as "REC_ID STATUS Key", sorted.
    QStringList fileRows(TableId id) const;

    QTemporaryDir dir;
    std::string folder;
    FakePrompter prompter;
    FixedClock clock {{2024, 3, 15, 14, 30, 5}};
    std::unique_ptr<FakeMainWindowContext> context;
    std::unique_ptr<MasterListEditor> editor;
};

} // namespace vantorelle
