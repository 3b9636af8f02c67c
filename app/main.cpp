#include <QApplication>

#include "editor/record_editor.h"
#include "mainwin/main_window.h"
#include "reports/report_windows.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Main window;
    RecordEditor editor(window);
    window.installEditorHooks(&editor);
    // Declared after the main window, so that a graph window still open goes first.
    vantorelle::ReportWindows reports(window);
    SecondaryWindows windows;
    windows.graph = [&reports] { reports.showGraph(); };
    windows.printProfile = [&reports] { reports.printProfile(); };
    windows.printMasterLists = [&reports] { reports.printMasterLists(); };
    window.setSecondaryWindows(std::move(windows));
    if (!window.load())
        return 0;
    window.show();
    return app.exec();
}
