#include "handheld/sync_watch.h"

#include "context/main_window_actions.h"
#include "platform/window_finder.h"

#include <QTimer>

namespace vantorelle {

bool checkForHotsync(MainWindowActions &main)
{
    if (!windowFinder().exists(QLatin1String(hotsyncWindowTitle)))
        return false;
    main.closeForHotsync();
    return true;
}

void connectSyncWatch(QTimer &timer, MainWindowActions &main)
{
    timer.setInterval(1000);
    QObject::connect(&timer, &QTimer::timeout, [&main] { checkForHotsync(main); });
}

} // namespace vantorelle
