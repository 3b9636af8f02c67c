#include <QApplication>

#include "editor/record_editor.h"
#include "mainwin/main_window.h"

using namespace vantorelle;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    MainWindow window;
    RecordEditor editor(window);
    window.installEditorHooks(&editor);
    if (!window.load())
        return 0;
    window.show();
    return app.exec();
}
