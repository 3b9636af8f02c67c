#include "settings/sync_watch.h"

#include "platform/window_finder.h"
#include "settings/main_window_actions.h"

#include <QTimer>

namespace vantorelle {

bool CheckForHotsync(MainWindowActions &main)
{
    if (!windowFinder().exists(QLatin1String(HotsyncWindowTitle)))
        return false;
    main.setHotsyncDetected();
    main.setWatchEnabled(false);
    main.closeMainWindow();
    return true;
}

void ConnectSyncWatch(QTimer &timer, MainWindowActions &main)
{
    timer.setInterval(1000);
    QObject::connect(&timer, &QTimer::timeout, [&main] { CheckForHotsync(main); });
}

} // namespace vantorelle
