#pragma once

#include <string_view>

namespace vantorelle {

// The synchronisation columns every table carries. The handheld's transfer
// tools merge the files by these, so the system writes exactly these values.
namespace RecordStatus {
inline constexpr std::string_view unchanged = "0x0000"; // as last synchronised
inline constexpr std::string_view deleted = "0x0002"; // tombstone, kept for the synchronisation
inline constexpr std::string_view modified = "0x0004"; // changed on the PC
inline constexpr std::string_view added = "0x0008"; // made on the PC, never synchronised
} // namespace RecordStatus

// The record id of every record made on the PC, until the synchronisation gives it one.
inline constexpr std::string_view newRecordId = "0x00000000";

} // namespace vantorelle
