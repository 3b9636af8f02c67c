#include "mainwin/shown_record.h"

#include "documents/rtf_field.h"
#include "mainwin/grid_layouts.h"
#include "mainwin/master_index.h"

#include <algorithm>

namespace vantorelle {

namespace {

bool usesRule(const RecordView &view, FieldValue::Rule rule)
{
    return std::any_of(view.lines.begin(), view.lines.end(),
        [rule](const ViewLine &line) { return line.value.rule == rule; });
}

std::string_view buttonField(ViewButton button)
{
    return button == ViewButton::Pharmacy ? "PharmID" : "ProvID";
}

} // namespace

ShownRecord shownRecordOf(Topic topic, std::optional<RowHandle> row, const TableAccess &tables,
    const DisplayPreferences &display)
{
    ShownRecord shown;
    shown.rtf = std::string(recordViewHeader).append(recordViewEnd);
    if (!gridLayout(topic))
        return shown;
    const RecordView &view = recordView(topic);

    MemoryTable &table = tables(view.table);
    if (!row || !table.moveTo(*row))
        return shown;

    std::optional<MasterIndex> providers, pharmacies;
    if (usesRule(view, FieldValue::Rule::Provider))
        providers.emplace(tables(TableId::ProvID), "Name");
    if (usesRule(view, FieldValue::Rule::Pharmacy))
        pharmacies.emplace(tables(TableId::PharmID), "Pharmacy");

    shown.found = true;
    ValueSources sources;
    sources.record = RecordRef::current(table);
    sources.providers = providers ? &*providers : nullptr;
    sources.pharmacies = pharmacies ? &*pharmacies : nullptr;
    sources.display = display;
    shown.rtf = recordViewText(view, sources);

    if (view.button != ViewButton::None) {
        const std::string_view master = sources.record.value(buttonField(view.button));
        if (!master.empty()) {
            shown.button = view.button;
            shown.masterKey = master;
        }
    }
    return shown;
}

} // namespace vantorelle
