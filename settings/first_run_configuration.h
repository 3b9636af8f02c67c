#pragma once

#include "settings/installation.h"

#include <QString>

#include <functional>
#include <optional>

namespace vantorelle {

// Prepares the PC for the handheld of the installation's platform (Palm,
// Windows Mobile, BlackBerry; the others need nothing); it may move the data
// folder. True when the installation may be recorded as set up; false when
// the setup failed (the user has been told), so that it runs again at the
// next start. The handheld setup provides it.
using HandheldSetupFunction = std::function<bool(Installation &installation)>;

// Runs at every start. Finds the data folder in the registry or, on a first
// run, makes it under the documents folder and fills it from the templates
// shipped in `programFolder`'s "data/" folder; settles the platform, asks
// whether to convert when an installation of another platform has run since,
// and runs the handheld setup when the installation changed, recording the
// installation once the setup has not failed. Each change goes
// to the setup log. A failure shows the error box ("in config_registry") and
// gives the installation as settled so far.
//
// A registered folder that is missing, or holds no table file, is named in a
// question: Yes makes a first run; No gives nothing. A registered folder that
// is there but cannot be listed, or whose profile table cannot be read, is
// named with the reason, and nothing is given. When nothing is given the
// program must end: nothing has been written anywhere.
//
// Table files already in the data folder are never overwritten, and every
// copy is atomic.
std::optional<Installation> configureInstallation(
    const QString &programFolder, const HandheldSetupFunction &setupHandheld);

// The text naming a platform in the conversion question and the setup log.
QString platformDescription(Platform platform);

} // namespace vantorelle
