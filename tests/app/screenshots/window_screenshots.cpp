// Shows the main window as a user sees it and saves screenshots of it, for a
// person to look at. It runs the program's own windows on the data folder the
// registry names, on the X display of its environment; the caller sets both up
// (scripts/screenshots.sh).
//
//     window_screenshots <folder>
//         every topic, and its entry panel, at the window's first size,
//         maximised and at its least size:
//         <folder>/<size>/<nn>-<topic>.png and <nn>-<topic>-panel.png
//     window_screenshots --readme <file.png>
//         the Blood Pressure topic at the window's first size

#include "editor/record_editor.h"
#include "mainwin/main_window.h"
#include "store/topics.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTest>

#include <cstdio>
#include <cstring>

using namespace vantorelle;

namespace {

// Lets the window manager and the window finish what they were asked to do.
void settle()
{
    QTest::qWait(400);
}

QString fileName(Topic topic)
{
    const std::string_view name = topicNames[topicIndex(topic)].name;
    QString file = QString::fromLatin1(name.data(), qsizetype(name.size())).toLower();
    file.replace(QLatin1Char('/'), QLatin1Char('-')).replace(QLatin1Char(' '), QLatin1Char('-'));
    return QStringLiteral("%1-%2").arg(int(topicIndex(topic)), 2, 10, QLatin1Char('0')).arg(file);
}

// The window with its frame, as the screen shows it.
bool save(const QWidget &window, const QString &path)
{
    const QRect frame = window.frameGeometry();
    const QPixmap shot = window.screen()->grabWindow(
        0, frame.x(), frame.y(), frame.width(), frame.height());
    const bool saved = shot.save(path, "PNG");
    if (!saved)
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    return saved;
}

// Every topic and its panel at three sizes; the number of pictures not written.
int everyTopic(MainWindow &window, RecordEditor &editor, const QString &folder)
{
    struct Size {
        const char *name;
        void (*apply)(QWidget &window);
    };
    const Size sizes[] = {
        {"default", [](QWidget &) {}},
        {"maximised", [](QWidget &w) { w.showMaximized(); }},
        {"least",
            [](QWidget &w) {
                w.showNormal();
                w.resize(w.minimumSize());
            }},
    };
    int failures = 0;
    for (const Size &size : sizes) {
        size.apply(window);
        settle();
        const QString sizeFolder
            = folder + QLatin1Char('/') + QLatin1String(size.name) + QLatin1Char('/');
        QDir().mkpath(sizeFolder);
        for (const TopicName &topic : topicNames) {
            window.selectTopic(topic.topic);
            settle();
            failures += !save(window, sizeFolder + fileName(topic.topic) + QStringLiteral(".png"));
            editor.editRecord();
            settle();
            failures
                += !save(window, sizeFolder + fileName(topic.topic) + QStringLiteral("-panel.png"));
            editor.cancelEditing();
        }
    }
    return failures;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const bool readme = argc == 3 && std::strcmp(argv[1], "--readme") == 0;
    if (argc != 2 && !readme) {
        std::fprintf(stderr,
            "usage: window_screenshots <folder>\n"
            "       window_screenshots --readme <file.png>\n");
        return 2;
    }

    MainWindow window;
    window.setSplashMilliseconds(0);
    RecordEditor editor(window);
    window.installEditorHooks(&editor);
    if (!window.load())
        return 1;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    settle();

    int failures = 0;
    if (readme) {
        window.selectTopic(Topic::BloodPressure);
        settle();
        failures = !save(window, QString::fromLocal8Bit(argv[2]));
    } else {
        failures = everyTopic(window, editor, QString::fromLocal8Bit(argv[1]));
    }
    window.close();
    return failures == 0 ? 0 : 1;
}
