#pragma once

#include <QLockFile>
#include <QString>

namespace vantorelle {

// Keeps a second copy of the program from starting: the first one holds a lock
// file until it ends. A lock left by a program that died is taken over.
class InstanceGuard {
public:
    // `lockPath` defaults to a per-user file in the temporary folder.
    explicit InstanceGuard(const QString &lockPath = defaultLockPath());

    // True when this process now holds the lock; false when another copy runs.
    bool acquire();

    static QString defaultLockPath();

private:
    QLockFile lock_;
};

} // namespace vantorelle
