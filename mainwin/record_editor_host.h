#pragma once

#include "context/main_window_context.h"
#include "mainwin/master_list_filler.h"
#include "store/memory_table.h"

#include <QString>

class QComboBox;
class QListWidget;
class QWidget;

namespace vantorelle {

// What the record editor asks of the main window beyond MainWindowContext:
// room for its panels, the master lists its controls offer, and the record
// list whose records the panels edit. The main window implements it.
class RecordEditorHost : public MainWindowContext {
public:
    // Puts an entry panel into the panel area, where it overlaps the record viewer.
    virtual void addEditorPanel(QWidget *panel) = 0;
    // Gives the panel area to `panel`: the viewer steps back.
    virtual void showEditorPanel(QWidget *panel) = 0;

    // Registers a control that offers master list `list`; fillMasterLists()
    // fills it, every item carrying its master's Key.
    virtual void registerMasterList(MasterList list, QComboBox *combo) = 0;
    virtual void registerMasterList(MasterList list, QListWidget *listBox) = 0;

    // Shows the record of the record list's current row in the viewer and
    // leaves it the current row of its table: the very row the list shows,
    // also when other rows share its Key. False when the list shows no record
    // or its record is gone from its table. Throws what reading it throws.
    virtual bool showListedRecord() = 0;
    // Selects the record list's row of a record just saved: of the rows whose
    // first column reads `shownText`, the one showing the table row `saved`,
    // or else the last; its columns up to `lastColumn` are selected and the
    // record shown. Nothing happens when no row reads so.
    virtual void selectSavedRecord(const QString &shownText, RowHandle saved, int lastColumn) = 0;

    // The master-list editor on list `index` (0 contacts .. 5 provider types),
    // then every master-list control filled again.
    virtual void editMasterList(int index) = 0;
    // True once the program is ending: code that resumes after a modal window stops.
    virtual bool closing() const = 0;
};

} // namespace vantorelle
