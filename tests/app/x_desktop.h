#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>

struct xcb_connection_t;

namespace vantorelle {

// The X display the tests run on, seen from outside the program: the mapped
// top-level windows of one process by title, and closing one as a window
// manager does (a WM_DELETE_WINDOW message; the program decides what happens).
// Other tests may show windows of the same titles on the same display at the
// same time, hence the process id.
class XDesktop {
public:
    XDesktop();
    // Leaves the display of the environment for `display` (such as ":5").
    void connectTo(const QByteArray &display);
    ~XDesktop();
    XDesktop(const XDesktop &) = delete;
    XDesktop &operator=(const XDesktop &) = delete;

    bool connected() const;
    // The titles of the mapped windows of process `pid`.
    QStringList titles(qint64 pid) const;
    // The first mapped window of process `pid` titled exactly `title`, or 0.
    std::uint32_t find(qint64 pid, const QString &title) const;
    // Asks the window to close; false when there is no such window.
    bool close(qint64 pid, const QString &title) const;

private:
    struct Window {
        std::uint32_t id;
        QString title;
    };
    QList<Window> mappedWindows(qint64 pid) const;
    std::uint32_t atom(const char *name) const;

    xcb_connection_t *connection_;
};

} // namespace vantorelle
