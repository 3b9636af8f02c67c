#pragma once

#include <string>

class QComboBox;
class QWidget;

namespace vantorelle {

class DateTimePicker;
class TextBox;

// The widget that edits one field of an entry panel: a text box, a drop-down
// list or a date or time picker.
struct PanelField {
    TextBox *text = nullptr;
    QComboBox *combo = nullptr;
    DateTimePicker *picker = nullptr;

    // The one that is set; null for a row without a control.
    QWidget *widget() const;
    // What the widget holds, as stored (cp1252, CR LF line breaks): a
    // drop-down list without a choice gives "", one the user may type in what
    // is typed.
    std::string storedValue() const;
};

} // namespace vantorelle
