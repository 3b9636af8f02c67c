#include "platform/instance_guard.h"

#include <QDir>

#include <unistd.h>

namespace vantorelle {

InstanceGuard::InstanceGuard(const QString &lockPath)
    : lock_(lockPath)
{
    // Only a dead owner makes the lock stale, never its age: the program may
    // run for days.
    lock_.setStaleLockTime(0);
}

bool InstanceGuard::acquire()
{
    return lock_.tryLock(0);
}

QString InstanceGuard::defaultLockPath()
{
    return QDir::tempPath() + QStringLiteral("/vantorelle-%1.lock").arg(getuid());
}

} // namespace vantorelle
