#pragma once

#include <QByteArray>
#include <QProcess>

namespace vantorelle {

// An X server of a test's own (Xvfb on a free display), for a test that sends
// real key events: on the display the tests share, a window another test shows
// could take the keyboard focus halfway through.
class XServer {
public:
    XServer() = default;
    ~XServer();
    XServer(const XServer &) = delete;
    XServer &operator=(const XServer &) = delete;

    // Starts the server; false when it did not come up.
    bool start();
    // The display name, such as ":5".
    QByteArray display() const { return display_; }

private:
    QProcess process_;
    QByteArray display_;
};

} // namespace vantorelle
