#include <QApplication>

#include "editor/record_editor.h"
#include "exchange/export_dialog.h"
#include "mainwin/main_window.h"
#include "masters/master_list_editor.h"
#include "masters/provider_viewer.h"

using namespace vantorelle;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    MainWindow window;
    RecordEditor editor(window);
    window.installEditorHooks(&editor);

    SecondaryWindows windows;
    windows.editMaster = [&window](int index) {
        if (const auto list = masterListFromIndex(index))
            MasterListEditor::edit(window, *list, &window);
    };
    windows.viewProvider = [&window](QWidget *owner, const std::string &key, bool pharmacy) {
        ProviderViewer::view(window, key, pharmacy, owner);
    };
    windows.exportData = [&window](QWidget *owner, const QString &profile) {
        vantorelle::ExportDialog dialog(window, profile, owner);
        dialog.exec();
    };
    window.setSecondaryWindows(std::move(windows));

    if (!window.load())
        return 0;
    window.show();
    return app.exec();
}
