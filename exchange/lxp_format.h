#pragma once

#include "store/table_catalog.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vantorelle {

// The whole-database ".lxp" file: a header line, then one line per record,
// table by table in the order of `lxpSections`. A record line is the section's
// tag, the record's Key as stored, a comma, then each value in double quotes
// followed by a comma. Values are the stored texts; those of tables with a
// field table have a backslash put before every double quote and each CR LF
// written as backslash and "n"; link values are written as they are.
struct LxpSection {
    std::string_view tag; // already ends with its comma: "allergy,"
    TableId table;
    // The one value of a link table; empty: the visible fields of the table's
    // field table (none for locations and provider types).
    std::string_view linkField = {};

    // The fields whose values follow the Key, in line order.
    std::vector<std::string_view> valueFields() const;
};

// Profiles, master lists, links, then the topics; cholesterol last.
extern const std::array<LxpSection, 21> lxpSections;

// "** Exported for Vantorelle VOXA! -- <path> on <date> **", the date already
// formatted ("MMM d, yyyy").
std::string lxpHeaderLine(std::string_view path, std::string_view date);

// Starts a record line of `section`: the tag, `key` unchanged and a comma.
void appendLxpLineStart(std::string &line, const LxpSection &section, std::string_view key);

// Appends one value of a record line of `section`, quoted and followed by a comma.
void appendLxpValue(std::string &line, const LxpSection &section, std::string_view value);

} // namespace vantorelle
