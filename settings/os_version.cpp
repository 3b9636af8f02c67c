#include "settings/os_version.h"

#include <QSysInfo>

namespace vantorelle {

QString GetOSVersionName()
{
    return QSysInfo::prettyProductName();
}

} // namespace vantorelle
