#pragma once

#include <QString>
#include <QStringList>

namespace vantorelle {

// Starts an outside program and waits until it ends.
class ProcessRunner {
public:
    virtual ~ProcessRunner() = default;

    // Runs `program` with `arguments` in `workingFolder` and waits without limit;
    // returns its exit code (-1 when it crashed). Throws AppError 53 "File not
    // found" when the program cannot be started. While it waits the windows
    // repaint and timers and signals are served, but what the user types or
    // clicks meanwhile is dropped: a tool takes minutes, and keys pressed while
    // the window seemed stuck must not act on the data the tool has changed.
    virtual int run(
        const QString &program, const QStringList &arguments, const QString &workingFolder)
        = 0;
};

// The runner in use: real processes unless a test installed another.
ProcessRunner &processRunner();
// Installs `runner` (nullptr restores the real one). The caller keeps ownership.
void installProcessRunner(ProcessRunner *runner);

} // namespace vantorelle
