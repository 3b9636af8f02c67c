#pragma once

#include "platform/file_dialogs.h"

#include <QList>

namespace vantorelle {

// Records every file or folder dialog and answers from a script: a path, or
// std::nullopt for "cancelled". Installed while it lives.
class FakeFileDialogs : public FileDialogs {
public:
    enum Kind { Open, Save, Folder };
    struct Request {
        Kind kind;
        QString title, filter, initialPath;
        ExistingFile existing = ExistingFile::Confirm; // of a save dialog
    };

    FakeFileDialogs();
    ~FakeFileDialogs() override;

    std::optional<QString> openFile(
        const QString &title, const QString &filter, const QString &initialPath) override;
    std::optional<QString> saveFile(const QString &title, const QString &filter,
        const QString &initialPath, ExistingFile existing = ExistingFile::Confirm) override;
    std::optional<QString> chooseFolder(const QString &title) override;

    // The answers of the next dialogs, in order; without one a dialog is cancelled.
    void setNextAnswers(QList<std::optional<QString>> answers) { answers_ = std::move(answers); }

    QList<Request> requests;

private:
    std::optional<QString> answer(const Request &request);

    QList<std::optional<QString>> answers_;
};

} // namespace vantorelle
