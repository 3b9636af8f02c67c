#pragma once

namespace vantorelle {

// Where users find help: named in the error box and opened from the Help menu.
namespace SupportInfo {
inline constexpr const char *webSite = "www.brasselwicket.com";
inline constexpr const char *email = "support@brasselwicket.com";
inline constexpr const char *productPage = "https://www.brasselwicket.com/vantorelle/";
inline constexpr const char *downloadPage
    = "https://www.brasselwicket.com/vantorelle/download.html";
} // namespace SupportInfo

} // namespace vantorelle
