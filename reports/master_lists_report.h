#pragma once

#include "reports/master_list_options.h"
#include "store/store.h"

namespace vantorelle {

class PrintDocument;

// The master-lists report: a title, then each master list the options choose
// (contacts, insurance companies, locations, pharmacies, providers, provider
// types) as one table, every row of it, in the order the master-list editor
// lists them. Values print as stored.
class MasterListsReport {
public:
    // `usableWidth`: the body's width in twips, shared out among a table's columns.
    MasterListsReport(const Store &store, const MasterListOptions &options, int usableWidth);

    void addTo(PrintDocument &document) const;

private:
    const Store &store_;
    const MasterListOptions &options_;
    int usableWidth_;
};

} // namespace vantorelle
