#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace vantorelle {

// Whole-file reading and writing for the store (standard library and POSIX).
// Both return 0 or the errno of the step that failed.

// Reads the file at `path` into `content`.
int readWholeFile(const std::string &path, std::string &content);

// Reads the start of the file at `path` into `content`, chunk by chunk, until
// `enough(content)` holds or the file ends.
int readFileStart(const std::string &path, std::string &content,
    const std::function<bool(std::string_view)> &enough);

// Replaces the file at `path` with `content` so that a crash, a power cut or a
// full disk never leaves a cut file: the bytes go to a temporary file in the
// same folder, are flushed to disk, and the temporary file is renamed over the
// old one, which keeps its permissions; a new file is readable and writable by
// its owner only (0600), whatever the umask, from the moment it exists. On
// failure the old file is untouched and no temporary file is left behind.
int writeFileAtomically(const std::string &path, std::string_view content);

// The size of the file at `path`, or -1 when there is none.
long long fileSize(const std::string &path);

} // namespace vantorelle
