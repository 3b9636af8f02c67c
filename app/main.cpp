#include <QApplication>

#include <cstdlib>

#include "editor/record_editor.h"
#include "exchange/export_dialog.h"
#include "exchange/import_dialog.h"
#include "mainwin/main_window.h"
#include "masters/master_list_editor.h"
#include "masters/provider_viewer.h"
#include "platform/input_guard.h"
#include "platform/session_end_watch.h"
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

    // Logging out, shutting down, or a terminal's hang-up or Ctrl+C closes the
    // window, from the start-up on.
    SessionEndWatch sessionEnd;
    QObject::connect(
        &sessionEnd, &SessionEndWatch::sessionEnding, &window, &MainWindow::endSession);

    // Ended before starting: a second instance, a data folder that cannot be
    // read or was not to be replaced, a wrong password, tables not loaded; or
    // the session ended, which is no failure.
    if (!window.load())
        return window.sessionEnded() ? EXIT_SUCCESS : EXIT_FAILURE;
    window.show();
    return app.exec();
}
