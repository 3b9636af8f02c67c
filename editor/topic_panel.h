#pragma once

#include "editor/panel_descriptor.h"
#include "store/memory_table.h"
#include "store/topics.h"
#include "widgets/panel_field.h"

#include <QGroupBox>

#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;

namespace vantorelle {

class DateTimePicker;
class PanelHooks;
class Preferences;
class TextBox;

// The panel engine: one topic's entry panel, built from its descriptor. It
// clears the panel for a new record, shows a stored record, and reads back the
// value of every field as it is to be stored.
//
// A control the user did not change since the record was shown gives back the
// stored value, not what the control shows: a value that is not among a list's
// items, a time the picker cannot show, a text longer than its field or a field
// without a control survives an edit unchanged.
class TopicPanel : public QGroupBox {
    Q_OBJECT
public:
    // The panel of `topic` (the first topic of a shared panel) follows
    // `preferences`, which must outlive it.
    TopicPanel(Topic topic, const PanelDescriptor &descriptor, const Preferences &preferences,
        QWidget *parent = nullptr);

    Topic topic() const { return topic_; }
    const PanelDescriptor &descriptor() const { return descriptor_; }

    // The control of a field-table row, or nullptr when another kind of control
    // (or none) edits it.
    TextBox *textBox(int row) const;
    QComboBox *combo(int row) const;
    DateTimePicker *picker(int row) const;

    // The hidden boxes: the shown record's Key ("" for a new record), REC_ID and STATUS.
    QLineEdit *const keyBox;
    QLineEdit *const idBox;
    QLineEdit *const statusBox;

    // What the panel's topic adds to the engine (nullptr: nothing). Not owned.
    PanelHooks *hooks() const { return hooks_; }
    void setHooks(PanelHooks *hooks) { hooks_ = hooks; }

    // Every field's text limit from the field table's sizes.
    void setTextLimits();

    // Empties the panel for a new record.
    void clear();
    // Shows the current row of `table`. Throws TableError when the
    // table has no current row.
    void showRecord(const MemoryTable &table);

    // The row shown by the last showRecord(), until the next clear().
    std::optional<RowHandle> shownRow() const { return shownRow_; }
    // True while the panel itself sets its controls (clear, showRecord).
    bool filling() const { return filling_; }

    // The value array: element i is the value of field-table row i as stored
    // (cp1252 bytes, CR LF line breaks), for every row, hidden ones included;
    // element 0 is unused.
    std::vector<std::string> values() const;
    // A required row without a value: its value is "", or the master list
    // the user chose from (or a new record starts with) has no named item chosen.
    bool blank(int row) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Slot : PanelField {
        const PanelControl *control = nullptr;
    };

    void build();
    QWidget *makeControl(Slot &slot);
    void watch(int row, QObject *keys);
    void moveOn(int row);
    std::string controlValue(const Slot &slot) const;

    const Topic topic_;
    const PanelDescriptor &descriptor_;
    const Preferences &preferences_;
    std::vector<Slot> slots_; // by row; rows without a control have an empty slot
    std::vector<bool> touched_; // by row: the user changed the control
    std::vector<std::string> stored_; // by row: the shown record's values; empty for a new record
    std::optional<RowHandle> shownRow_;
    bool filling_ = false; // the panel itself is setting the controls
    PanelHooks *hooks_ = nullptr;
};

} // namespace vantorelle
