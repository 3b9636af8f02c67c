#pragma once

#include "store/store.h"

#include <string>
#include <string_view>

namespace vantorelle {

// What the provider and pharmacy viewer shows: one master as RTF text, a bold
// label and its value per field that holds one.
struct ProviderView {
    std::string rtf; // cp1252 bytes
};

// The pharmacy (`pharmacy`) or provider whose Key is `key`, looked up without
// moving the table; the bare document when the table holds no such Key.
ProviderView providerView(Store &store, std::string_view key, bool pharmacy);

} // namespace vantorelle
