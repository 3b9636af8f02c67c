#include <QApplication>

#include "editor/record_editor.h"
#include "exchange/export_dialog.h"
#include "mainwin/main_window.h"
#include "mainwin/secondary_windows.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Main window;
    RecordEditor editor(window);
    window.installEditorHooks(&editor);
    SecondaryWindows windows;
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
