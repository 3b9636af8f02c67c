#pragma once

#include "platform/registry.h"

#include <QVariantMap>

namespace vantorelle {

// The program's registry key held in memory, one map per scope. Installed
// while it lives.
class FakeRegistry : public Registry {
public:
    FakeRegistry() { installRegistry(this); }
    ~FakeRegistry() override { installRegistry(nullptr); }

    QVariant value(RegistryScope scope, const QString &name) const override
    {
        return (scope == RegistryScope::CurrentUser ? user : machine).value(name);
    }

    bool setValue(const QString &name, const QVariant &value) override
    {
        if (failWrites)
            return false;
        user.insert(name, value);
        return true;
    }

    QVariantMap user, machine;
    bool failWrites = false;
};

} // namespace vantorelle
