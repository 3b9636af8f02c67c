#include "platform/process_runner.h"

#include "platform/app_error.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QProcess>

namespace vantorelle {

namespace {

// Drops the user's input to every window of the program while it lives.
class UserInputDrop : public QObject {
public:
    UserInputDrop() { QCoreApplication::instance()->installEventFilter(this); }
    ~UserInputDrop() override { QCoreApplication::instance()->removeEventFilter(this); }
    UserInputDrop(const UserInputDrop &) = delete;
    UserInputDrop &operator=(const UserInputDrop &) = delete;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonRelease:
        case QEvent::NonClientAreaMouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::ContextMenu:
        case QEvent::InputMethod:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return true;
        case QEvent::Close:
            // The window's close button; a close the program itself asks for goes on.
            return event->spontaneous();
        default:
            return QObject::eventFilter(watched, event);
        }
    }
};

class QtProcessRunner : public ProcessRunner {
public:
    int run(
        const QString &program, const QStringList &arguments, const QString &workingFolder) override
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.setWorkingDirectory(workingFolder);
        process.start(program, arguments);
        if (!process.waitForStarted(-1))
            throw AppError(AppError::FileNotFound).aboutFile(program);
        {
            const UserInputDrop dropped;
            QEventLoop loop;
            QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
            if (process.state() != QProcess::NotRunning)
                loop.exec();
            // A loop ended by the program's end (or never begun, after quit())
            // leaves the tool running: it is waited for all the same.
            if (process.state() != QProcess::NotRunning)
                process.waitForFinished(-1);
            // Input that came while the tool ran and is still queued goes too.
            QCoreApplication::processEvents();
        }
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
};

QtProcessRunner qtProcessRunner;
ProcessRunner *installed = nullptr;

} // namespace

ProcessRunner &processRunner()
{
    return installed ? *installed : qtProcessRunner;
}

void installProcessRunner(ProcessRunner *runner)
{
    installed = runner;
}

} // namespace vantorelle
