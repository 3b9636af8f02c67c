#pragma once

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace vantorelle {

// Calls of a test's own X client, one that stands for another program.

// The atom called `name`; XCB_ATOM_NONE when the server gives none.
inline xcb_atom_t internAtom(xcb_connection_t *connection, const char *name)
{
    auto *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}

// A round trip: the server has carried out everything sent before it.
inline void roundTrip(xcb_connection_t *connection)
{
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

} // namespace vantorelle
