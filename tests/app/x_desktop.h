#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

struct xcb_connection_t;

// The X display the tests run on, seen from outside the program: its mapped
// top-level windows by title, and closing one as a window manager does (a
// WM_DELETE_WINDOW message; the program decides what happens).
class XDesktop {
public:
    XDesktop();
    ~XDesktop();
    XDesktop(const XDesktop &) = delete;
    XDesktop &operator=(const XDesktop &) = delete;

    bool connected() const;
    // The titles of the mapped windows.
    QStringList titles() const;
    // The first mapped window titled exactly `title`, or 0.
    std::uint32_t find(const QString &title) const;
    // Asks the window to close; false when there is no such window.
    bool close(const QString &title) const;

private:
    struct Window {
        std::uint32_t id;
        QString title;
    };
    QList<Window> mappedWindows() const;
    std::uint32_t atom(const char *name) const;

    xcb_connection_t *connection_;
};
