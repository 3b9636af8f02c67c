#include "settings/os_version.h"

#include <QSysInfo>

QString GetOSVersionName()
{
    return QSysInfo::prettyProductName();
}
