#pragma once

#include <QSaveFile>
#include <QString>

#include <cstddef>
#include <functional>
#include <string>

namespace vantorelle {

// Told the number of record lines written so far, every so many lines and after
// the last one (not at all when there is none).
using ExportProgress = std::function<void(std::size_t lines)>;

// An export file written so that the file of that name is only ever replaced
// by a complete export: the lines go to a temporary file in the same folder,
// which commit() flushes to disk and renames over the target. Until then, and
// whenever a step fails, the old file stays as it was. A new file follows the
// user's umask; a replaced file keeps its permissions.
class ExportFile {
public:
    explicit ExportFile(const QString &path);
    ExportFile(const ExportFile &) = delete;
    ExportFile &operator=(const ExportFile &) = delete;

    // Creates the temporary file; false when it cannot be created (no such
    // folder, no right to write there).
    bool open();

    // The lines not written yet; the exports append to it.
    std::string &buffer() { return buffer_; }
    // Writes the buffer once it has grown large. Throws AppError when the
    // write fails.
    void writeWhenFull()
    {
        if (buffer_.size() >= chunkSize)
            writeBuffer();
    }
    // Writes what is left, flushes the file to disk and renames it over the
    // target. Throws AppError when any of it fails.
    void commit();

private:
    static constexpr std::size_t chunkSize = std::size_t(1) << 20;

    void writeBuffer();

    QSaveFile file_;
    std::string buffer_;
};

} // namespace vantorelle
