#pragma once

#include <QString>

namespace vantorelle {

// The name of the running operating system, as the about window shows it.
QString osVersionName();

} // namespace vantorelle
