#pragma once

#include <span>
#include <string_view>

namespace vantorelle {

// One row of a field table: what the user sees, the column it names, and the
// most characters the user may type into it.
struct FieldRow {
    std::string_view caption;
    std::string_view name;
    int size;
};

// The schema of one table's own fields, in table-file order. Row numbers are
// fixed: the editor's controls, the writer's field order, the graphs and the
// export all use them. Rows 1..visibleCount are shown, the rest are hidden
// fields (Other1 ...), read and written with the others.
struct FieldTable {
    int visibleCount;
    std::span<const FieldRow> rows; // rows[0] is row 1

    // Number of the last row (n).
    int lastRow() const { return static_cast<int>(rows.size()); }
    // Row 1..n.
    const FieldRow &row(int number) const { return rows[static_cast<std::size_t>(number - 1)]; }
};

extern const FieldTable mainIdFields;
extern const FieldTable insIdFields;
extern const FieldTable conIdFields;
extern const FieldTable allergyFields;
extern const FieldTable illnessFields;
extern const FieldTable surgeryFields;
extern const FieldTable apptFields;
extern const FieldTable medFields;
extern const FieldTable vaccFields;
extern const FieldTable testFields;
extern const FieldTable bpFields;
extern const FieldTable cholFields;
extern const FieldTable weightFields;
extern const FieldTable glucoseFields;
extern const FieldTable familyFields;
extern const FieldTable pharmIdFields;
extern const FieldTable provIdFields;
extern const FieldTable locationFields;
extern const FieldTable provTypeFields;

} // namespace vantorelle
