#pragma once

#include "platform/process_runner.h"

#include <QList>

#include <functional>

namespace vantorelle {

// Records every program run instead of starting it. Installed while it lives.
class FakeProcessRunner : public ProcessRunner {
public:
    struct Call {
        QString program;
        QStringList arguments;
        QString workingFolder;
    };

    FakeProcessRunner();
    ~FakeProcessRunner() override;

    int run(const QString &program, const QStringList &arguments,
        const QString &workingFolder) override;

    // Stands in for the program: may leave files behind, throw AppError 53 as a
    // missing program does, and returns the exit code. Without it a run returns 0.
    std::function<int(const Call &)> onRun;

    QList<Call> calls;
};

} // namespace vantorelle
