#pragma once

#include "platform/app_error.h"
#include "settings/installation.h"

#include <QString>

namespace vantorelle {

// The common error box and the two logs in the installation's data folder.

// Shows the error box for `error`, which happened while `operation` ("saving a
// record", completing "An error occurred while ..."), with the caller's
// `details` (may be empty), the file the error concerns ("Filename = <path>",
// unless the details name it) and the support advice; logs the failure to
// "errorlog.txt" first. A log that cannot be written never keeps the box from
// showing.
void showError(const Installation &installation, const AppError &error, const QString &operation,
    const QString &details = QString());

// Logs the failure showError would show, the caller's `details` with it, and
// shows nothing: for a failure nobody is there to see, as when the desktop
// session ends the program. A log that cannot be written loses the entry.
void logError(const Installation &installation, const AppError &error, const QString &operation,
    const QString &details = QString());
// Logs `text` as an entry of the error log and shows nothing, in the same way.
void logError(const Installation &installation, const QString &text);

// Appends one entry to "errorlog.txt" in the data folder: the program, its
// platform and folders, the date and `text`. Does nothing while the data
// folder is unknown; throws AppError when the log cannot be written.
void writeErrorLog(const Installation &installation, const QString &text);

// Appends `text` as one line to "setuplog.txt" in the data folder. Does nothing
// while the data folder is unknown. A line that cannot be written, whatever
// the reason (no right to write to the folder, a full disk, a folder in the
// file's place), is dropped without a word, and the step it records goes on.
void writeSetupLog(const Installation &installation, const QString &text);

} // namespace vantorelle
