#include "reports/master_list_options.h"

#include "reports/settings_number.h"

namespace vantorelle {

MasterListOptions::MasterListOptions()
{
    printed.fill(true);
}

MasterListOptions MasterListOptions::read(const QString &settingsFile)
{
    MasterListOptions options;
    for (int n = 0; n < listCount; ++n)
        options.printed[n] = settingsNumber(settingsFile, QStringLiteral("PrintList%1").arg(n),
                                 QStringLiteral("1"))
            == 1;
    return options;
}

} // namespace vantorelle
