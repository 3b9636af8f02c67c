#include <QApplication>

#include <cstdlib>

#include "editor/record_editor.h"
#include "exchange/export_dialog.h"
#include "exchange/import_dialog.h"
#include "mainwin/main_window.h"
#include "masters/master_list_editor.h"
#include "masters/provider_viewer.h"
#include "platform/input_guard.h"
#include "reports/report_windows.h"

using namespace vantorelle;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    InputGuard inputGuard;
    app.installEventFilter(&inputGuard);
    MainWindow window;
    RecordEditor editor(window);
    window.installEditorHooks(&editor);
    // Declared after the main window, so that a graph window still open goes first.
    ReportWindows reports(window);

    SecondaryWindows windows;
    windows.editMaster = [&window](int index) {
        if (const auto list = masterListFromIndex(index))
            MasterListEditor::edit(window, *list, &window);
    };
    windows.viewProvider = [&window](QWidget *owner, const std::string &key, bool pharmacy) {
        ProviderViewer::view(window, key, pharmacy, owner);
    };
    windows.exportData = [&window](QWidget *owner, const QString &profile) {
        ExportDialog dialog(window, profile, owner);
        dialog.exec();
    };
    windows.importData = [&window](QWidget *owner, const QString &profile) {
        ImportDialog dialog(window, profile, owner);
        dialog.exec();
    };
    windows.graph = [&reports] { reports.showGraph(); };
    windows.printProfile = [&reports] { reports.printProfile(); };
    windows.printMasterLists = [&reports] { reports.printMasterLists(); };
    window.setSecondaryWindows(std::move(windows));

    // Ended before starting: a second instance, a data folder that cannot be
    // read or was not to be replaced, a wrong password, tables not loaded.
    if (!window.load())
        return EXIT_FAILURE;
    window.show();
    return app.exec();
}
