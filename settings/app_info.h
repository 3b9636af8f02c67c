#pragma once

namespace vantorelle {

// What the program says of itself in titles, the about window and the logs.
namespace AppInfo {
inline constexpr const char *title = "Vantorelle Rize";
inline constexpr const char *version = "5.5.2";
} // namespace AppInfo

} // namespace vantorelle
