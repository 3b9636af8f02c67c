#pragma once

#include <QString>

#include <array>

namespace vantorelle {

// Which master lists the master-lists report holds, as the print options
// keep them in the settings file (section "Main").
struct MasterListOptions {
    static constexpr int listCount = 6;

    // List n is printed ("PrintList<n>" equals 1; missing: printed).
    std::array<bool, listCount> printed;

    // Every list.
    MasterListOptions();

    static MasterListOptions read(const QString &settingsFile);
};

} // namespace vantorelle
