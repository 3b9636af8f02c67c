#include "fake_process_runner.h"

namespace vantorelle {

FakeProcessRunner::FakeProcessRunner()
{
    installProcessRunner(this);
}

FakeProcessRunner::~FakeProcessRunner()
{
    installProcessRunner(nullptr);
}

int FakeProcessRunner::run(
    const QString &program, const QStringList &arguments, const QString &workingFolder)
{
    calls.append({program, arguments, workingFolder});
    return onRun ? onRun(calls.last()) : 0;
}

} // namespace vantorelle
