#include "x_desktop.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace vantorelle {

namespace {

template<typename Reply> std::unique_ptr<Reply, decltype(&std::free)> owned(Reply *reply)
{
    return {reply, &std::free};
}

QString propertyText(xcb_get_property_reply_t *reply)
{
    if (!reply || xcb_get_property_value_length(reply) <= 0)
        return QString();
    return QString::fromUtf8(static_cast<const char *>(xcb_get_property_value(reply)),
        xcb_get_property_value_length(reply));
}

} // namespace

XDesktop::XDesktop()
    : connection_(xcb_connect(nullptr, nullptr))
{
}

void XDesktop::connectTo(const QByteArray &display)
{
    xcb_disconnect(connection_);
    connection_ = xcb_connect(display.constData(), nullptr);
}

XDesktop::~XDesktop()
{
    xcb_disconnect(connection_);
}

bool XDesktop::connected() const
{
    return !xcb_connection_has_error(connection_);
}

std::uint32_t XDesktop::atom(const char *name) const
{
    auto reply = owned(xcb_intern_atom_reply(
        connection_, xcb_intern_atom(connection_, 0, uint16_t(strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

QList<XDesktop::Window> XDesktop::mappedWindows(qint64 pid) const
{
    QList<Window> windows;
    if (!connected())
        return windows;
    const xcb_atom_t netWmName = atom("_NET_WM_NAME");
    const xcb_atom_t netWmPid = atom("_NET_WM_PID");
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    auto tree
        = owned(xcb_query_tree_reply(connection_, xcb_query_tree(connection_, root), nullptr));
    if (!tree)
        return windows;
    const xcb_window_t *children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        const xcb_window_t w = children[i];
        auto attributes = owned(xcb_get_window_attributes_reply(
            connection_, xcb_get_window_attributes(connection_, w), nullptr));
        if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE)
            continue;
        auto owner = owned(xcb_get_property_reply(connection_,
            xcb_get_property(connection_, 0, w, netWmPid, XCB_ATOM_CARDINAL, 0, 1), nullptr));
        if (!owner || xcb_get_property_value_length(owner.get()) != 4
            || *static_cast<const std::uint32_t *>(xcb_get_property_value(owner.get())) != pid)
            continue;
        auto name = owned(xcb_get_property_reply(connection_,
            xcb_get_property(connection_, 0, w, netWmName, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
            nullptr));
        QString title = propertyText(name.get());
        if (title.isEmpty()) {
            auto classic = owned(xcb_get_property_reply(connection_,
                xcb_get_property(
                    connection_, 0, w, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
                nullptr));
            title = propertyText(classic.get());
        }
        windows.append({w, title});
    }
    return windows;
}

QStringList XDesktop::titles(qint64 pid) const
{
    QStringList all;
    for (const Window &w : mappedWindows(pid))
        all << w.title;
    return all;
}

std::uint32_t XDesktop::find(qint64 pid, const QString &title) const
{
    for (const Window &w : mappedWindows(pid)) {
        if (w.title == title)
            return w.id;
    }
    return 0;
}

bool XDesktop::close(qint64 pid, const QString &title) const
{
    const std::uint32_t window = find(pid, title);
    if (!window)
        return false;
    xcb_client_message_event_t event;
    std::memset(&event, 0, sizeof event);
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = atom("WM_PROTOCOLS");
    event.data.data32[0] = atom("WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(
        connection_, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&event));
    xcb_flush(connection_);
    return true;
}

} // namespace vantorelle
