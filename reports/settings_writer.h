#pragma once

#include <QString>

#include <utility>
#include <vector>

namespace vantorelle {

// Keys and their values, in the order they are written.
using SettingsValues = std::vector<std::pair<QString, QString>>;

// Writes a window's choices to section "Main" of the settings file, one key
// after the other. When a write fails the user is told once (the settings
// writer's message) and the keys after it are left as they were: the next
// ones would fail the same way, each with a message of its own.
void writeSettings(const QString &settingsFile, const SettingsValues &values);

} // namespace vantorelle
