#pragma once

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <string>

#include <cstdlib>

namespace vantorelle {

// The data folder tests/data/basic: Ann Lee ("20090305070809p") and Bob
// O'Neil ("20100101101010p"), with three blood-pressure readings.
inline QString basicDataFolder()
{
    // ctest sets VANTORELLE_TEST_DATA; a direct run finds tests/data beside this file.
    if (const char *data = std::getenv("VANTORELLE_TEST_DATA"))
        return QString::fromLocal8Bit(data) + QStringLiteral("/basic");
    return QFileInfo(QStringLiteral(__FILE__))
        .absoluteDir()
        .filePath(QStringLiteral("../data/basic"));
}

inline const std::string basicAnnKey = "20090305070809p";

} // namespace vantorelle
