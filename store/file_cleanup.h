#pragma once

#include "store/store_failure.h"

#include <optional>
#include <string>
#include <string_view>

namespace vantorelle {

// Deletes the file at `path` when it exists and holds fewer than 50 bytes.
// Reports a file that could not be deleted.
std::optional<StoreFailure> removeNearEmptyFile(const std::string &path);

// Cleans a table file before it is loaded: a record line whose key (its first
// quoted value) repeats the key of the record line compared before it gets the
// status "0x0002", whatever its status was. Header lines stay; lines already
// deleted are kept and not compared; lines of 5 characters or fewer are
// dropped. Only the status field of a line is ever changed. A line whose key
// cannot be cut stops the cleaning and leaves the file as it was, and so does
// a header block that is not whole. The file is rewritten atomically, and only
// when something changed.
std::optional<StoreFailure> retireDuplicateKeys(const std::string &path);
// The same on the bytes of a file: the cleaned bytes, or `content` as it is.
std::string withDuplicateKeysRetired(std::string_view content);

} // namespace vantorelle
