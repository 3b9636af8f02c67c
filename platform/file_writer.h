#pragma once

#include "platform/private_files.h"

#include <QByteArray>
#include <QString>

namespace vantorelle {

// Writes files so that a crash, a power cut or a full disk never leaves a cut
// file. Both throw AppError when the write fails.
namespace FileWriter {

// Replaces the whole file: the bytes go to a temporary file in the same folder,
// are flushed to disk and renamed over the old file, which keeps its
// permissions; a new file gets those `access` names. On failure the old file
// stays as it was.
void replace(const QString &path, const QByteArray &bytes, NewFileAccess access);

// Appends the bytes in one write, creating the file, readable by its owner
// only, when it is missing.
void append(const QString &path, const QByteArray &bytes);

} // namespace FileWriter

} // namespace vantorelle
