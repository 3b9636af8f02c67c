#pragma once

#include <QString>

namespace vantorelle {

// The handheld an installation serves alongside the PC.
enum class Platform {
    None, // no installation recorded
    Palm, // Palm OS, through HotSync
    WindowsMobile,
    BlackBerry,
    WindowsOnly, // the PC alone
};

// The name the registry and the logs give a platform: "Palm", "WM", "BB",
// "Win"; "" for None.
QString platformName(Platform platform);
// The platform of a name; None for "" and for any name not listed above.
Platform platformNamed(const QString &name);

// Where the program and the data are, and which handheld they serve: settled
// once by the start-up's configuration and read-only afterwards. Folders use
// "/" and end in "/".
struct Installation {
    QString programFolder;
    QString dataFolder; // "" while unknown
    Platform platform = Platform::None;

    // The settings file, "vantorelleplus.ini" in the data folder.
    QString settingsFile() const { return dataFolder + QStringLiteral("vantorelleplus.ini"); }
};

} // namespace vantorelle
