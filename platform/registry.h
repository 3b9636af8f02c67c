#pragma once

#include <QString>
#include <QVariant>

namespace vantorelle {

// The program's registry key ("Software\Brasselwicket\Vantorelle") in two
// scopes: the current user's values, read and written, and the machine's
// values, written by the installer and only read here. A user value never
// falls back to the machine's.
enum class RegistryScope { CurrentUser, LocalMachine };

class Registry {
public:
    virtual ~Registry() = default;

    // The value named `name`, or an invalid QVariant when there is none.
    virtual QVariant value(RegistryScope scope, const QString &name) const = 0;
    // Stores a value of the current user; false when it could not be written.
    virtual bool setValue(const QString &name, const QVariant &value) = 0;
};

// The registry in use: QSettings in native format, organisation "Brasselwicket",
// application "Vantorelle" (tests move it with QSettings::setPath or install
// another).
Registry &registry();
// Installs `registry` (nullptr restores the real one). The caller keeps ownership.
void installRegistry(Registry *registry);

} // namespace vantorelle
