#pragma once

#include "mainwin/field_value.h"
#include "store/table_catalog.h"
#include "store/topics.h"

#include <span>
#include <string>
#include <string_view>

namespace vantorelle {

// One line of a record view.
struct ViewLine {
    enum class Label {
        Fixed, // text
        WithCurrency, // text, " (", the currency symbol, ")"
        FromField, // the record's value of the field named by text
    };
    Label labelKind;
    std::string_view label;
    FieldValue value;
};

// The button beside a record view that opens the master the record names.
enum class ViewButton {
    None,
    Provider, // "View Provider", the record's ProvID
    Pharmacy, // "View Pharmacy", the record's PharmID
};

// How one topic's record is shown as rich text.
struct RecordView {
    Topic topic;
    TableId table; // where the shown record is found (insurance and contacts: the master)
    ViewButton button;
    std::span<const ViewLine> lines;
};

// The view of every topic; Personal and Legal show the profile record.
const RecordView &recordView(Topic topic);

// The whole RTF text of the record in `sources` shown by `view`: the header,
// one field line per non-empty value, the closing brace.
std::string recordViewText(const RecordView &view, const ValueSources &sources);

} // namespace vantorelle
