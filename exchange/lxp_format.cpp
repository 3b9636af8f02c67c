#include "exchange/lxp_format.h"

namespace vantorelle {

using enum TableId;

const std::array<LxpSection, 21> lxpSections = {{
    {"profiles,", MainID},
    {"ins_master,", InsID},
    {"con_master,", ConID},
    {"provider,", ProvID},
    {"pharmacy,", PharmID},
    {"location,", Location},
    {"prov_type,", ProvType},
    {"ins_xref,", InsXref, "InsID"},
    {"con_xref,", ConXref, "ConID"},
    {"allergy,", Allergy},
    {"illness,", Illness},
    {"surgery,", Surgery},
    {"appointment,", Appt},
    {"medication,", Med},
    {"vaccination,", Vacc},
    {"test,", Test},
    {"bp,", BP},
    {"weight,", Weight},
    {"glucose,", Glucose},
    {"family,", Family},
    {"cholesterol,", Chol},
}};

std::vector<std::string_view> LxpSection::valueFields() const
{
    if (!linkField.empty())
        return {linkField};
    const FieldTable &fields = *tableSpec(table).fields;
    std::vector<std::string_view> names;
    for (int row = 1; row <= fields.visibleCount; ++row)
        names.push_back(fields.row(row).name);
    return names;
}

std::string lxpHeaderLine(std::string_view path, std::string_view date)
{
    std::string line = "** Exported for Vantorelle VOXA! -- ";
    line.append(path);
    line.append(" on ");
    line.append(date);
    line.append(" **");
    return line;
}

void appendLxpLineStart(std::string &line, const LxpSection &section, std::string_view key)
{
    line.append(section.tag);
    line.append(key);
    line.push_back(',');
}

void appendLxpValue(std::string &line, const LxpSection &section, std::string_view value)
{
    line.push_back('"');
    if (!section.linkField.empty()) {
        line.append(value);
    } else {
        for (std::size_t i = 0; i < value.size(); ++i) {
            const char c = value[i];
            if (c == '"') {
                line.append("\\\"");
            } else if (c == '\r' && i + 1 < value.size() && value[i + 1] == '\n') {
                line.append("\\n");
                ++i;
            } else {
                line.push_back(c);
            }
        }
    }
    line.append("\",");
}

} // namespace vantorelle
