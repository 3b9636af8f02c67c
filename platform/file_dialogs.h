#pragma once

#include <QString>

#include <optional>

namespace vantorelle {

// The file and folder pickers. Each returns the chosen path, or nothing when
// the user cancelled. Filters are written in the pipe notation: pairs of
// description and patterns joined by "|", patterns separated by ";"
// ("Rich Text (*.RTF)|*.rtf|All files (*.*)|*.*").
class FileDialogs {
public:
    // Whether the save dialog asks before a file that exists is chosen; a
    // caller that asks when it writes the file says not to.
    enum class ExistingFile { Confirm, DoNotConfirm };

    virtual ~FileDialogs() = default;

    virtual std::optional<QString> openFile(
        const QString &title, const QString &filter, const QString &initialPath)
        = 0;
    virtual std::optional<QString> saveFile(const QString &title, const QString &filter,
        const QString &initialPath, ExistingFile existing = ExistingFile::Confirm)
        = 0;
    // The chosen folder, ending in "/".
    virtual std::optional<QString> chooseFolder(const QString &title) = 0;
};

// The dialogs in use: the real ones unless a test installed others.
FileDialogs &fileDialogs();
// Installs `dialogs` (nullptr restores the real ones). The caller keeps ownership.
void installFileDialogs(FileDialogs *dialogs);

// A filter in the pipe notation as Qt writes it: "Text|*.txt; *.csv|All|*.*"
// gives "Text (*.txt *.csv);;All (*.*)".
QString qtNameFilters(const QString &filter);

} // namespace vantorelle
