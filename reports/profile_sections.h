#pragma once

#include "reports/report_cells.h"
#include "store/field_tables.h"
#include "store/table_catalog.h"

#include <array>
#include <span>
#include <string_view>

namespace vantorelle {

// Where a section's records come from.
enum class SectionRecords {
    Profile, // the profile's own record
    Topic, // the profile's records of the section's table
    Links, // the profile's links, each to a record of a master list
};

// Which of a section's records the date range lets through.
enum class SectionDates {
    Undated, // every record
    Dated, // by the record's "Date"
    Period, // by the period from "Date" to "Date2" (medications)
};

// The forms a section is printed in.
enum class SectionForms {
    DetailsOnly,
    ListOnly,
    Chosen, // list or details, as the section's "PrintSectionType" key says
};

// One entry of a details form.
struct DetailsItem {
    enum class Kind {
        FieldRows, // rows `firstRow` to the visible count less `rowsLeftOut` of
                   // the field table, each "caption | value" when the value is not empty
        Line, // one "label | cell" line
    };
    enum class Label {
        Text, // `label` itself
        Caption, // the caption of field-table row `captionRow`
        FieldValue, // the record's value of the field named `label`
    };

    Kind kind;
    int firstRow = 0;
    int rowsLeftOut = 0;
    Label labelFrom = Label::Text;
    std::string_view label = {};
    int captionRow = 0;
    CellValue cell = {};
    // A line is left out when this field of the record is empty ("" : never).
    std::string_view unlessEmpty = {};
};

// One section of the profile report.
struct ProfileSection {
    int number; // n of the settings keys "PrintSection<n>" and "PrintSectionType<n>"
    std::string_view title; // heads its details form
    TableId table; // the records, or the links
    TableId master; // Links: the master list linked to
    std::string_view linkField; // Links: the field holding the master record's Key
    const FieldTable *fields; // the captions and fields of the details form
    SectionRecords records;
    SectionDates dates;
    SectionForms forms;
    std::span<const ListColumn> columns; // the list form
    std::span<const DetailsItem> details; // the details form
    // The fields of the details form's field rows shown otherwise than stored.
    std::span<const ShownField> shownFields;
};

// The sections in the order they are printed.
extern const std::array<ProfileSection, 15> profileSections;

} // namespace vantorelle
