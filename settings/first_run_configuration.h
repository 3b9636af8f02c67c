#pragma once

#include <QString>

#include <functional>

// Prepares the PC for the handheld of a platform type ("Palm", "WM", "BB";
// anything else needs nothing). The handheld setup provides it.
using SetupInstallTypeFunction = std::function<void(const QString &installType)>;

// Runs at every start, once the program folder (AppPath) is known. Finds the
// data folder in the registry or, on a first run, makes it under the documents
// folder and fills it from the templates shipped in the program's "data/"
// folder; settles InstallType, asks whether to convert when an installation of
// another platform has run since, and runs the handheld setup when the
// installation changed. Sets DataPath, InstallType, and on a first run IniFile
// and BackupPath. Each change goes to the setup log. A failure shows the error
// box ("in config_registry") and leaves what was done so far.
//
// Table files already in the data folder are never overwritten, and every
// copy is atomic.
void config_registry(const SetupInstallTypeFunction &setup_install_type);

// The text naming a platform type in the conversion question and the setup log.
QString PlatformDescription(const QString &installType);
