#pragma once

#include <QString>

// The name of the running operating system, as the about window shows it.
QString GetOSVersionName();
