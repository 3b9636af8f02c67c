#pragma once

#include "platform/registry.h"

#include <QString>
#include <QVariant>

namespace vantorelle {

// The program's values in the registry, by root, key path and value name. The
// program keeps all of them in one key; any other key counts as missing.

inline constexpr const char *programRegistryKey = "Software\\Brasselwicket\\Vantorelle";

// The value: text (QString), a 32-bit number (int), bytes (QByteArray), or a
// list of texts joined by NUL characters; a value of any other kind reads as "".
// `defaultValue` when the key or the value is missing.
QVariant readRegistryValue(RegistryScope root, const QString &keyPath, const QString &valueName,
    const QVariant &defaultValue = QVariant());

// Stores a value of the current user: text, a byte, a 16- or 32-bit number or
// bytes. Returns false when the value could not be stored (the machine's values
// are read-only). Throws AppError 1001 "Unsupported value type" for any other
// kind of value, storing nothing.
bool writeRegistryValue(
    RegistryScope root, const QString &keyPath, const QString &valueName, const QVariant &value);

} // namespace vantorelle
