#include "dialogs/os_version.h"

#include <QSysInfo>

namespace vantorelle {

QString osVersionName()
{
    return QSysInfo::prettyProductName();
}

} // namespace vantorelle
