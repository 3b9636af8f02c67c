#include "platform/window_finder.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

namespace vantorelle {

namespace {

template<typename Reply> using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template<typename Reply> ReplyPtr<Reply> owned(Reply *reply)
{
    return ReplyPtr<Reply>(reply, &std::free);
}

xcb_atom_t internAtom(xcb_connection_t *connection, const char *name)
{
    auto reply = owned(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, uint16_t(strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The window manager's title (_NET_WM_NAME, UTF-8) or else the classic one
// (WM_NAME, Latin-1), searched over every window of every screen: with a
// reparenting window manager the titled windows sit below the frames.
class XcbWindowFinder : public WindowFinder {
public:
    bool exists(const QString &title) const override
    {
        auto connection = std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)>(
            xcb_connect(nullptr, nullptr), &xcb_disconnect);
        if (xcb_connection_has_error(connection.get()))
            return false;
        xcb_connection_t *c = connection.get();
        const xcb_atom_t netWmName = internAtom(c, "_NET_WM_NAME");
        const xcb_atom_t utf8String = internAtom(c, "UTF8_STRING");

        std::vector<xcb_window_t> level;
        for (auto it = xcb_setup_roots_iterator(xcb_get_setup(c)); it.rem; xcb_screen_next(&it))
            level.push_back(it.data->root);

        // One level of the tree at a time, sending every request of a level
        // before reading the replies.
        while (!level.empty()) {
            struct Pending {
                xcb_get_property_cookie_t netName, name;
                xcb_query_tree_cookie_t tree;
            };
            std::vector<Pending> pending;
            pending.reserve(level.size());
            for (xcb_window_t w : level) {
                pending.push_back({xcb_get_property(c, 0, w, netWmName, utf8String, 0, 1024),
                    xcb_get_property(c, 0, w, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 0, 1024),
                    xcb_query_tree(c, w)});
            }
            std::vector<xcb_window_t> next;
            bool found = false;
            for (const Pending &p : pending) {
                auto netName = owned(xcb_get_property_reply(c, p.netName, nullptr));
                auto name = owned(xcb_get_property_reply(c, p.name, nullptr));
                auto tree = owned(xcb_query_tree_reply(c, p.tree, nullptr));
                if (!found)
                    found = titleOf(netName.get(), name.get()) == title;
                if (tree) {
                    const xcb_window_t *children = xcb_query_tree_children(tree.get());
                    next.insert(next.end(), children,
                        children + xcb_query_tree_children_length(tree.get()));
                }
            }
            if (found)
                return true;
            level.swap(next);
        }
        return false;
    }

private:
    // The window's title, or nothing when it has none.
    static std::optional<QString> titleOf(
        xcb_get_property_reply_t *netName, xcb_get_property_reply_t *name)
    {
        if (netName && netName->type != XCB_ATOM_NONE && netName->format == 8) {
            return QString::fromUtf8(static_cast<const char *>(xcb_get_property_value(netName)),
                xcb_get_property_value_length(netName));
        }
        if (name && name->type != XCB_ATOM_NONE && name->format == 8) {
            return QString::fromLatin1(static_cast<const char *>(xcb_get_property_value(name)),
                xcb_get_property_value_length(name));
        }
        return std::nullopt;
    }
};

XcbWindowFinder xcbWindowFinder;
WindowFinder *installed = nullptr;

} // namespace

WindowFinder &windowFinder()
{
    return installed ? *installed : xcbWindowFinder;
}

void installWindowFinder(WindowFinder *finder)
{
    installed = finder;
}

} // namespace vantorelle
