#pragma once

#include "store/store.h"

#include <string>

namespace vantorelle {

// Times the profile report of the profile `profileKey` with every section in
// its list form: built and paginated on letter pages, printed to a PDF file
// and saved as RTF in `folder`. Prints one line per figure, in the columns of
// the store's figures.
void benchProfileReport(
    const Store &store, const std::string &profileKey, const std::string &folder);

} // namespace vantorelle
