#pragma once

#include <QString>
#include <QStringList>

namespace vantorelle {

// Copies a set of files into one folder so that all of them land or none does:
// each copy is written first into a staging folder made inside the folder, and
// only once every one is written are they renamed into place, which takes no
// space and cannot find the disk full. A copy that replaces a file takes that
// file's permissions; a new one is its owner's alone. What is still staged
// when it goes is removed with the staging folder.
class StagedCopies {
public:
    // `folder` ends in "/". Throws AppError when no staging folder can be made
    // there (a missing folder is "Path not found").
    explicit StagedCopies(const QString &folder);
    ~StagedCopies();
    StagedCopies(const StagedCopies &) = delete;
    StagedCopies &operator=(const StagedCopies &) = delete;

    // Copies `from` aside, to become `name` in the folder. Throws AppError,
    // naming the file concerned, when `from` cannot be read, when a folder
    // stands where the copy is to go, or when the copy cannot be written; the
    // folder is still as it was.
    void add(const QString &from, const QString &name);
    // Renames the copies into place, in the order they were added. Throws
    // AppError when one cannot be placed; those placed before it stay.
    void place();

private:
    QString folder_;
    QString staging_;
    QStringList names_;
};

} // namespace vantorelle
