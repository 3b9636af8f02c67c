#pragma once

#include "reports/cell_formatter.h"
#include "reports/master_names.h"
#include "reports/profile_report_options.h"
#include "reports/profile_sections.h"
#include "store/store.h"
#include "store/table_error.h"

#include <QStringList>

#include <string>
#include <vector>

namespace vantorelle {

class PrintDocument;

// The profile report of one profile: a title with the profile's name, then
// its sections (personal details, insurance and contacts, the topics' records)
// as the options choose them, each a table in its list or details form.
// Records are read through the store's read-only queries: no table's view
// moves, and the providers' and pharmacies' names are looked up in lists read
// once.
class ProfileReport {
public:
    // `usableWidth`: the body's width in twips, shared out among a table's columns.
    ProfileReport(const Store &store, const DisplayPreferences &display,
        const ProfileReportOptions &options, int usableWidth);
    // The formatter refers to this report's own name lists.
    ProfileReport(const ProfileReport &) = delete;
    ProfileReport &operator=(const ProfileReport &) = delete;

    // Adds the report of the profile whose Key is `profileKey` to `document`.
    // An empty key selects no topic records. Throws TableError when the
    // profile table has no such profile; what was added before stays.
    void addTo(PrintDocument &document, const std::string &profileKey) const;

private:
    void addSection(PrintDocument &document, const ProfileSection &section, const RowView &profile,
        const std::string &profileKey) const;
    bool isTaken(const ProfileSection &section, const RowView &record) const;
    void addDetails(
        std::vector<QStringList> &rows, const ProfileSection &section, const RowView &record) const;
    QString fieldText(
        const ProfileSection &section, const RowView &record, const FieldRow &field) const;

    const Store &store_;
    const DisplayPreferences &display_;
    const ProfileReportOptions &options_;
    int usableWidth_;
    MasterNames providers_;
    MasterNames pharmacies_;
    CellFormatter formatter_;
};

// The failure of a report whose profile is not in the profile table.
TableError missingProfile();

} // namespace vantorelle
