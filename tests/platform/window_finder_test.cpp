#include <gtest/gtest.h>

#include "platform/window_finder.h"
#include "support/xcb_client.h"

#include <QByteArray>

#include <xcb/xcb.h>

#include <unistd.h>

using namespace vantorelle;

namespace {

// Opens, on its own connection, a window carrying the given titles, as another
// program would.
class ForeignWindow {
public:
    ForeignWindow(const QByteArray &netWmName, const QByteArray &wmName)
    {
        connection_ = xcb_connect(nullptr, nullptr);
        if (!opened())
            return;
        xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
        // A child of another window, as window managers reparent them.
        const xcb_window_t frame = create(screen->root, screen);
        const xcb_window_t window = create(frame, screen);
        if (!netWmName.isNull())
            setText(window, internAtom(connection_, "_NET_WM_NAME"),
                internAtom(connection_, "UTF8_STRING"), netWmName);
        if (!wmName.isNull())
            setText(window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, wmName);
        roundTrip(connection_);
    }
    ~ForeignWindow() { xcb_disconnect(connection_); }

    bool opened() const { return !xcb_connection_has_error(connection_); }

private:
    xcb_window_t create(xcb_window_t parent, xcb_screen_t *screen)
    {
        const xcb_window_t window = xcb_generate_id(connection_);
        xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window, parent, 0, 0, 100, 100, 0,
            XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
        return window;
    }

    void setText(xcb_window_t window, xcb_atom_t property, xcb_atom_t type, const QByteArray &text)
    {
        xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window, property, type, 8,
            uint32_t(text.size()), text.constData());
    }

    xcb_connection_t *connection_;
};

// Tests run in parallel on one X server: titles carry the process id.
class WindowFinderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            GTEST_SKIP() << "needs an X display (make test runs under xvfb-run)";
    }

    static QByteArray unique(const char *title)
    {
        return QByteArray(title) + ' ' + QByteArray::number(getpid());
    }
    static bool found(const QByteArray &title)
    {
        return windowFinder().exists(QString::fromUtf8(title));
    }
};

} // namespace

TEST_F(WindowFinderTest, FindsAWindowByItsExactTitle)
{
    const QByteArray title = unique("Hotsync Progress");
    ForeignWindow window(title, QByteArray());
    ASSERT_TRUE(window.opened());
    EXPECT_TRUE(found(title));
    const QByteArray nearMisses[]
        = {title.chopped(1), title.toLower(), title + ' ', ' ' + title, title + " - Palm"};
    for (const QByteArray &nearMiss : nearMisses)
        EXPECT_FALSE(found(nearMiss)) << nearMiss.constData();
}

TEST_F(WindowFinderTest, ReadsUtf8AndClassicTitles)
{
    const QByteArray modern = unique("Synchronisation – Übersicht");
    const QByteArray modernClassic = unique("Synchronisation - Ubersicht");
    const QByteArray classic = unique("Caf\xE9 Sync");
    ForeignWindow both(modern, modernClassic);
    ForeignWindow classicOnly(QByteArray(), classic);
    ASSERT_TRUE(both.opened() && classicOnly.opened());
    // The UTF-8 title wins over the classic one when a window has both.
    EXPECT_TRUE(found(modern));
    EXPECT_FALSE(found(modernClassic));
    // The classic title is Latin-1.
    EXPECT_TRUE(windowFinder().exists(QString::fromLatin1(classic)));
}

TEST_F(WindowFinderTest, ClosedWindowIsGone)
{
    const QByteArray title = unique("Hotsync Progress closing");
    {
        ForeignWindow window(title, QByteArray());
        ASSERT_TRUE(window.opened());
        ASSERT_TRUE(found(title));
    }
    EXPECT_FALSE(found(title));
}

TEST(WindowFinder, FindsNothingWithoutADisplay)
{
    const QByteArray display = qgetenv("DISPLAY");
    qputenv("DISPLAY", ":4097");
    EXPECT_FALSE(windowFinder().exists(QStringLiteral("Hotsync Progress")));
    qputenv("DISPLAY", display);
}
