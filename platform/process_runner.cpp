#include "platform/process_runner.h"

#include "platform/app_error.h"

#include <QProcess>

namespace vantorelle {

namespace {

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
        process.waitForFinished(-1);
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
