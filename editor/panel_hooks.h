#pragma once

#include "store/record_operations.h"

namespace vantorelle {

// What a topic adds to the panel engine where its panel needs state or
// commands of its own: the Personal panel keeps the name index and the
// profile selector, the Insurance and Contacts panels keep the links of a
// shared master record. The record-save frame validates the panel and builds
// the record as for any topic, then stores it through these hooks.
class PanelHooks {
public:
    virtual ~PanelHooks() = default;

    // Runs at the end of clearing the panel for a new record.
    virtual void afterClear() { }

    // Runs once the panel shows a record, or was cleared because no profile is
    // listed: the values that enter keys are remembered as shown.
    virtual void afterShow() { }

    // Stores the validated record of the panel, in place of the topic-record save.
    virtual SavedRecord store(const EditedRecord &record) = 0;

    // Refreshes the main window after a save; false leaves it to the frame
    // (the topic grid rebuilt and the saved row selected).
    virtual bool refresh(const SavedRecord &) { return false; }
};

} // namespace vantorelle
