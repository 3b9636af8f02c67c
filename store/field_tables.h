#pragma once

#include <span>
#include <string>
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
    // The grid the forms index as (row, column): column 0 caption, 1 field name,
    // 2 size as text; row 0 holds the visible count in all three columns.
    std::string cell(int row, int column) const;
};

extern const FieldTable MainIDFields;
extern const FieldTable InsIDFields;
extern const FieldTable ConIDFields;
extern const FieldTable AllergyFields;
extern const FieldTable IllnessFields;
extern const FieldTable SurgeryFields;
extern const FieldTable ApptFields;
extern const FieldTable MedFields;
extern const FieldTable VaccFields;
extern const FieldTable TestFields;
extern const FieldTable BPFields;
extern const FieldTable CholFields;
extern const FieldTable WeightFields;
extern const FieldTable GlucoseFields;
extern const FieldTable FamilyFields;
extern const FieldTable PharmIDFields;
extern const FieldTable ProvIDFields;
extern const FieldTable LocationFields;
extern const FieldTable ProvTypeFields;

} // namespace vantorelle
