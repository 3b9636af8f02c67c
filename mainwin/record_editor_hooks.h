#pragma once

#include "store/topics.h"

namespace vantorelle {

// What the main window asks of the record editor. The editor sits above the
// main window (it reaches the main window through RecordEditorHost), so MainWindow
// only knows this interface; the program installs the real editor, and with
// none installed the main window runs without entry panels.
class RecordEditorHooks {
public:
    virtual ~RecordEditorHooks() = default;

    // Empties the panel of `topic` for a new record.
    virtual void clearPanel(Topic topic) = 0;
    // Fills the panel of `topic` from the current row of its table.
    virtual void showPanel(Topic topic) = 0;

    // The commands of the main window's buttons: New Profile, Add, Edit, and
    // the Save and Cancel of the record-save frame.
    virtual void newProfile() = 0;
    virtual void addRecord() = 0;
    virtual void editRecord() = 0;
    virtual void saveRecord() = 0;
    virtual void cancelEditing() = 0;

    // Start-up: the text limits of the entry controls, from the field tables.
    virtual void setTextLimits() = 0;
};

} // namespace vantorelle
