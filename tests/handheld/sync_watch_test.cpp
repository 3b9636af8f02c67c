#include <gtest/gtest.h>

#include "handheld/sync_watch.h"
#include "support/fake_window_finder.h"
#include "support/handheld_fakes.h"
#include "support/xcb_client.h"

#include <QTest>
#include <QTimer>

#include <xcb/xcb.h>

using namespace vantorelle;

namespace {

// Another program on its own X connection, opening top-level windows titled
// as the synchronisation titles its progress window. The connection stays
// open for the whole test, so the server never resets between two checks.
class OtherProgram {
public:
    OtherProgram()
        : connection_(xcb_connect(nullptr, nullptr))
    {
    }
    ~OtherProgram() { xcb_disconnect(connection_); }

    bool connected() const { return !xcb_connection_has_error(connection_); }

    xcb_window_t open(const QByteArray &title)
    {
        xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
        const xcb_window_t window = xcb_generate_id(connection_);
        xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 200, 80, 0,
            XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
        xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window,
            internAtom(connection_, "_NET_WM_NAME"), internAtom(connection_, "UTF8_STRING"), 8,
            uint32_t(title.size()), title.constData());
        xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME,
            XCB_ATOM_STRING, 8, uint32_t(title.size()), title.constData());
        xcb_map_window(connection_, window);
        roundTrip(connection_);
        return window;
    }

    void close(xcb_window_t window)
    {
        xcb_destroy_window(connection_, window);
        roundTrip(connection_);
    }

private:
    xcb_connection_t *connection_;
};

// A main window whose watch is a real timer, stopped by the close as the
// real one stops it.
class WatchedMainWindow : public FakeMainWindow {
public:
    void setWatchEnabled(bool enabled) override
    {
        FakeMainWindow::setWatchEnabled(enabled);
        enabled ? timer.start() : timer.stop();
    }
    void closeForHotsync() override
    {
        FakeMainWindow::closeForHotsync();
        timer.stop();
    }

    QTimer timer;
};

const QStringList forcedClose = {"close for hotsync"};

} // namespace

TEST(SyncWatch, OnlyTheExactTitleClosesTheProgram)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        GTEST_SKIP() << "needs an X display (make test runs under xvfb-run)";
    OtherProgram hotsync;
    ASSERT_TRUE(hotsync.connected());
    FakeMainWindow main;

    // Every test client shares the X server: the exact title is shown only as
    // long as the check needs it.
    for (const QByteArray nearMiss : {"Hotsync Progress ", "hotsync progress",
             "HotSync Progress - Lee", " Hotsync Progress", "Hotsync Progres"}) {
        const xcb_window_t window = hotsync.open(nearMiss);
        EXPECT_FALSE(checkForHotsync(main)) << nearMiss.constData();
        hotsync.close(window);
    }
    EXPECT_TRUE(main.events.isEmpty());

    const xcb_window_t window = hotsync.open("Hotsync Progress");
    EXPECT_TRUE(checkForHotsync(main));
    hotsync.close(window);
    EXPECT_EQ(main.events, forcedClose);
}

TEST(SyncWatch, TheTimerLooksOnceASecondUntilItFindsTheWindow)
{
    FakeWindowFinder desktop;
    WatchedMainWindow main;
    connectSyncWatch(main.timer, main);
    EXPECT_EQ(main.timer.interval(), 1000);

    main.setWatchEnabled(true);
    desktop.openTitles.insert("Hotsync Progress");

    EXPECT_TRUE(QTest::qWaitFor([&] { return main.events.contains("close for hotsync"); }, 10000));
    EXPECT_EQ(main.events, QStringList({"watch on"}) + forcedClose);
    EXPECT_FALSE(main.timer.isActive());
}
