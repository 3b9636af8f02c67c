#pragma once

#include "store/topics.h"

#include <QString>

// What the main window asks of the record editor. The editor sits above the
// main window (it uses Main's controls and tables), so Main only knows this
// interface; the program installs the real editor, and with none installed the
// main window runs without entry panels.
class RecordEditorHooks
{
public:
    virtual ~RecordEditorHooks() = default;

    // Normal mode for any text but "Add" and "Edit", which enter editing mode.
    virtual void ChangeMode(const QString &mode) = 0;
    // Empties / fills the panel of `topic`.
    virtual void clearFields(Topic topic) = 0;
    virtual void ShowFields(Topic topic) = 0;

    // The record commands the main window calls directly.
    virtual void cmdNew_Click() = 0;
    virtual void cmdEdit_Click() = 0;
    virtual void cmdNewCancel_Click() = 0;

    // Start-up: the text limits of the entry controls, from the field tables.
    virtual void setTextLimits() = 0;
};
