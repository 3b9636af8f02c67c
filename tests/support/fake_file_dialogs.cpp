#include "fake_file_dialogs.h"

namespace vantorelle {

FakeFileDialogs::FakeFileDialogs()
{
    installFileDialogs(this);
}

FakeFileDialogs::~FakeFileDialogs()
{
    installFileDialogs(nullptr);
}

std::optional<QString> FakeFileDialogs::openFile(
    const QString &title, const QString &filter, const QString &initialPath)
{
    return answer({Open, title, filter, initialPath});
}

std::optional<QString> FakeFileDialogs::saveFile(
    const QString &title, const QString &filter, const QString &initialPath, ExistingFile existing)
{
    return answer({Save, title, filter, initialPath, existing});
}

std::optional<QString> FakeFileDialogs::chooseFolder(const QString &title)
{
    return answer({Folder, title, QString(), QString()});
}

std::optional<QString> FakeFileDialogs::answer(const Request &request)
{
    requests.append(request);
    return answers_.isEmpty() ? std::nullopt : answers_.takeFirst();
}

} // namespace vantorelle
