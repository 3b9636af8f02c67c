#include "reports/profile_report.h"

#include "documents/print_document.h"
#include "reports/report_blocks.h"
#include "store/store.h"
#include "store/stored_dates.h"

#include <map>
#include <optional>

namespace vantorelle {

namespace {

const QString crLf = QStringLiteral("\r\n");

// The profile record whose Key is `key`.
std::optional<RowView> profileRecord(const TableRows &profiles, std::string_view key)
{
    for (const RowView row : profiles) {
        if (row.value("Key") == key)
            return row;
    }
    return std::nullopt;
}

} // namespace

TableError missingProfile()
{
    return TableError(TableError::NoCurrentRow,
        "Either BOF or EOF is True, or the current record has been deleted. "
        "Requested operation requires a current record.");
}

ProfileReport::ProfileReport(const Store &store, const DisplayPreferences &display,
    const ProfileReportOptions &options, int usableWidth)
    : store_(store)
    , display_(display)
    , options_(options)
    , usableWidth_(usableWidth)
    , providers_(store, TableId::ProvID, "Name")
    , pharmacies_(store, TableId::PharmID, "Pharmacy")
    , formatter_(display, providers_, pharmacies_)
{
}

void ProfileReport::addTo(PrintDocument &document, const std::string &profileKey) const
{
    const TableRows profiles = store_.tableRows(TableId::MainID);
    const std::optional<RowView> profile = profileRecord(profiles, profileKey);
    if (!profile)
        throw missingProfile();
    document.addParagraph(reportTitle(QStringLiteral("Vantorelle Personal Profile Report") + crLf
        + textOf(profile->value("First")) + QLatin1Char(' ') + textOf(profile->value("Last")) + crLf
        + crLf));
    for (const ProfileSection &section : profileSections) {
        if (options_.printed[section.number])
            addSection(document, section, *profile, profileKey);
    }
}

void ProfileReport::addSection(PrintDocument &document, const ProfileSection &section,
    const RowView &profile, const std::string &profileKey) const
{
    const bool details = section.forms == SectionForms::DetailsOnly
        || (section.forms == SectionForms::Chosen && options_.details[section.number]);
    PrintTable table = details
        ? detailsTable(textOf(section.title), usableWidth_)
        : listTable(section.columns, usableWidth_, textOf(display_.glucoseUnits));
    const auto add = [&](const RowView &record) {
        if (!isTaken(section, record))
            return;
        if (!details) {
            QStringList cells;
            for (const ListColumn &column : section.columns)
                cells << formatter_.text(record, column.cell);
            table.rows.push_back(std::move(cells));
            return;
        }
        if (!table.rows.empty())
            table.rows.push_back({QString(), QString()}); // between two records
        addDetails(table.rows, section, record);
    };

    if (section.records == SectionRecords::Profile) {
        add(profile);
    } else {
        if (store_.visibleRowCount(section.table) == 0)
            return; // no records of anyone: the section leaves no trace
        const TableRows records = store_.profileRows(section.table, profileKey);
        if (section.records == SectionRecords::Topic) {
            for (const RowView record : records)
                add(record);
        } else {
            const TableRows masters = store_.tableRows(section.master);
            std::map<std::string_view, std::size_t> byKey;
            for (std::size_t i = 0; i < masters.size(); ++i)
                byKey.emplace(masters[i].value("Key"), i);
            // A link to a master record that is gone adds nothing.
            for (const RowView link : records) {
                const auto found = byKey.find(link.value(section.linkField));
                if (found != byKey.end())
                    add(masters[found->second]);
            }
        }
    }
    document.addTable(std::move(table));
    document.addParagraph(blankLine());
}

bool ProfileReport::isTaken(const ProfileSection &section, const RowView &record) const
{
    switch (section.dates) {
    case SectionDates::Undated:
        return true;
    case SectionDates::Dated:
        return options_.range.takes(leadingNumber(record.value("Date")));
    case SectionDates::Period:
        return options_.range.takesPeriod(
            leadingNumber(record.value("Date")), leadingNumber(record.value("Date2")));
    }
    return true;
}

void ProfileReport::addDetails(
    std::vector<QStringList> &rows, const ProfileSection &section, const RowView &record) const
{
    const FieldTable &fields = *section.fields;
    for (const DetailsItem &item : section.details) {
        if (item.kind == DetailsItem::Kind::FieldRows) {
            for (int r = item.firstRow; r <= fields.visibleCount - item.rowsLeftOut; ++r) {
                const FieldRow &field = fields.row(r);
                if (!record.value(field.name).empty())
                    rows.push_back({textOf(field.caption), fieldText(section, record, field)});
            }
            continue;
        }
        if (!item.unlessEmpty.empty() && record.value(item.unlessEmpty).empty())
            continue;
        QString label;
        switch (item.labelFrom) {
        case DetailsItem::Label::Text:
            label = textOf(item.label);
            break;
        case DetailsItem::Label::Caption:
            label = textOf(fields.row(item.captionRow).caption);
            break;
        case DetailsItem::Label::FieldValue:
            label = textOf(record.value(item.label));
            break;
        }
        rows.push_back({label, formatter_.text(record, item.cell)});
    }
}

QString ProfileReport::fieldText(
    const ProfileSection &section, const RowView &record, const FieldRow &field) const
{
    for (const ShownField &shown : section.shownFields) {
        if (shown.field == field.name)
            return formatter_.text(record, shown);
    }
    return textOf(record.value(field.name));
}

} // namespace vantorelle
