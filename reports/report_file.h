#pragma once

#include <QString>

class QPageLayout;

namespace vantorelle {

class PrintDocument;

// "report.rtf": the last report built, as RTF, which the preview's Save to File
// copies. It lives in a folder of the program's own, never beside the
// program, made readable by its user only; the file is made so too. It holds
// a report only while the last build succeeded.
class ReportFile {
public:
    // The report file in `folder` (created when missing).
    explicit ReportFile(QString folder = defaultFolder());

    // "Vantorelle/" in the user's cache folder.
    static QString defaultFolder();

    const QString &path() const { return path_; }
    bool exists() const;

    // Writes `document` on pages of `pageLayout`, replacing the file
    // atomically. Throws AppError when it cannot be written; the file is then
    // gone.
    void save(const PrintDocument &document, const QPageLayout &pageLayout);
    // Removes the file (never through a folder that is not the user's own).
    // Throws AppError when a file stays.
    void discard();

private:
    enum class FolderState {
        Missing,
        Own, // the user's own folder
        Foreign, // not a folder, a link, or someone else's folder
    };

    QString folderPath() const; // without the final "/"
    FolderState folderState() const;
    // Creates the folder readable by its owner only, or makes sure the
    // existing one is the user's own folder (its mode is the user's choice).
    void prepareFolder() const;

    QString folder_;
    QString path_;
};

} // namespace vantorelle
