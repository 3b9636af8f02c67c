#pragma once

#include "store/store.h"

#include <string>

namespace vantorelle {

// Times the exports: the whole database of `store` as one ".lxp" file, and a
// topic export of 25,000 blood-pressure readings of one profile, each written
// into `folder`, flushed to disk and renamed over the file before.
void benchExport(Store &store, const std::string &folder);

} // namespace vantorelle
