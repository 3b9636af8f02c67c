#include "platform/file_dialogs.h"

#include <QApplication>
#include <QFileDialog>

namespace vantorelle {

namespace {

class QtFileDialogs : public FileDialogs {
public:
    std::optional<QString> openFile(
        const QString &title, const QString &filter, const QString &initialPath) override
    {
        return chosen(QFileDialog::getOpenFileName(QApplication::activeWindow(), title, initialPath,
            qtNameFilters(filter), nullptr, QFileDialog::HideNameFilterDetails));
    }

    std::optional<QString> saveFile(const QString &title, const QString &filter,
        const QString &initialPath, ExistingFile existing) override
    {
        QFileDialog::Options options = QFileDialog::HideNameFilterDetails;
        if (existing == ExistingFile::DoNotConfirm)
            options |= QFileDialog::DontConfirmOverwrite;
        return chosen(QFileDialog::getSaveFileName(QApplication::activeWindow(), title, initialPath,
            qtNameFilters(filter), nullptr, options));
    }

    std::optional<QString> chooseFolder(const QString &title) override
    {
        const QString folder
            = QFileDialog::getExistingDirectory(QApplication::activeWindow(), title);
        if (folder.isEmpty())
            return std::nullopt;
        return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    }

private:
    static std::optional<QString> chosen(const QString &path)
    {
        if (path.isEmpty())
            return std::nullopt;
        return path;
    }
};

QtFileDialogs qtFileDialogs;
FileDialogs *installed = nullptr;

} // namespace

FileDialogs &fileDialogs()
{
    return installed ? *installed : qtFileDialogs;
}

void installFileDialogs(FileDialogs *dialogs)
{
    installed = dialogs;
}

QString qtNameFilters(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString &p : patterns)
            p = p.trimmed();
        filters << parts[i] + QLatin1String(" (") + patterns.join(QLatin1Char(' '))
                + QLatin1Char(')');
    }
    return filters.join(QLatin1String(";;"));
}

} // namespace vantorelle
