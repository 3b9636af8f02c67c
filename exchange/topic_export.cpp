#include "exchange/topic_export.h"

#include "exchange/export_line.h"
#include "exchange/master_lookup.h"
#include "platform/app_error.h"
#include "store/stored_dates.h"

#include <QString>

#include <algorithm>
#include <optional>

namespace vantorelle {

namespace {

// Record lines between two progress reports.
constexpr std::size_t progressStep = 1024;

// Every field a field table names is a column of its table.
std::size_t columnOf(Store &store, TableId table, std::string_view name)
{
    return *store.table(table).columnIndex(name);
}

// The visible row of `fields` captioned `caption`, if any.
const FieldRow *visibleField(const FieldTable &fields, std::string_view caption)
{
    for (int row = 1; row <= fields.visibleCount; ++row) {
        if (fields.row(row).caption == caption)
            return &fields.row(row);
    }
    return nullptr;
}

} // namespace

TopicExport::TopicExport(Store &store, const ExportTopic &topic,
    const std::vector<std::string> &captions, std::string delimiter,
    const DisplayPreferences &display)
    : store_(store)
    , topic_(topic)
    , delimiter_(std::move(delimiter))
    , display_(display)
{
    const TableId values = topic.linkField.empty() ? topic.records : topic.master;
    for (const std::string &caption : captions) {
        const FieldRow *row = visibleField(*topic.fields, caption);
        if (!row)
            throw AppError(AppError::InvalidProcedureCall,
                QStringLiteral("\"%1\" is not a field of the %2")
                    .arg(QString::fromUtf8(caption), QString::fromUtf8(topic.entry)));
        fields_.push_back(
            {row->caption, columnOf(store, values, row->name), topic.conversion(row->name)});
    }
}

std::size_t TopicExport::write(
    std::string_view profileKey, ExportFile &file, const ExportProgress &progress) const
{
    std::string &out = file.buffer();
    for (const Field &field : fields_)
        appendExportValue(out, field.caption, delimiter_);
    appendLineEnd(out);

    // The name maps are made once for the whole export, and only when needed.
    const auto uses = [this](ExportConversion conversion) {
        return std::any_of(fields_.begin(), fields_.end(),
            [conversion](const Field &field) { return field.conversion == conversion; });
    };
    std::optional<MasterLookup> providers, pharmacies, masters;
    std::size_t providerName = 0, pharmacyName = 0, linkColumn = 0;
    if (uses(ExportConversion::ProviderName)) {
        providers.emplace(store_, TableId::ProvID);
        providerName = columnOf(store_, TableId::ProvID, "Name");
    }
    if (uses(ExportConversion::PharmacyName)) {
        pharmacies.emplace(store_, TableId::PharmID);
        pharmacyName = columnOf(store_, TableId::PharmID, "Pharmacy");
    }
    if (!topic_.linkField.empty()) {
        masters.emplace(store_, topic_.master);
        linkColumn = columnOf(store_, topic_.records, topic_.linkField);
    }

    std::size_t lines = 0;
    std::string shown;
    for (const RowView record : store_.profileRows(topic_.records, profileKey)) {
        std::optional<RowView> source = record;
        if (masters) {
            // A link whose master is gone gives no line.
            source = masters->find(record.value(linkColumn));
            if (!source)
                continue;
        }
        for (const Field &field : fields_) {
            const std::string_view stored = source->value(field.column);
            switch (field.conversion) {
            case ExportConversion::AsStored:
                appendExportValue(out, stored, delimiter_);
                break;
            case ExportConversion::Date:
                shown = formatStoredDate(stored, display_.dateFormat, display_.dateSeparator);
                appendExportValue(out, shown, delimiter_);
                break;
            case ExportConversion::Time12:
                shown = twelveHourTime(stored);
                appendExportValue(out, shown, delimiter_);
                break;
            case ExportConversion::ProviderName:
                appendExportValue(out, providers->name(stored, providerName), delimiter_);
                break;
            case ExportConversion::PharmacyName:
                appendExportValue(out, pharmacies->name(stored, pharmacyName), delimiter_);
                break;
            }
        }
        appendLineEnd(out);
        file.writeWhenFull();
        if (++lines % progressStep == 0 && progress)
            progress(lines);
    }
    if (progress && lines % progressStep != 0)
        progress(lines);
    return lines;
}

} // namespace vantorelle
