#pragma once

#include <QByteArray>
#include <QString>

namespace vantorelle {

// Writes files so that a crash, a power cut or a full disk never leaves a cut
// file. Both throw AppError when the write fails.
namespace FileWriter {

// Replaces the whole file: the bytes go to a temporary file in the same folder,
// are flushed to disk and renamed over the old file, which keeps its
// permissions. On failure the old file stays as it was.
void replace(const QString &path, const QByteArray &bytes);

// Appends the bytes in one write, creating the file when it is missing.
void append(const QString &path, const QByteArray &bytes);

} // namespace FileWriter

} // namespace vantorelle
