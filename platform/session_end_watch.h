#pragma once

#include <QObject>

#include <csignal>

class QSocketNotifier;

namespace vantorelle {

// The signals with which the desktop ends a program: SIGTERM when the session
// is logged out or the machine shuts down, SIGHUP when the terminal it was
// started from goes away, SIGINT for Ctrl+C there. Left to their default they
// end the process at once, and everything held in memory is lost; while a
// watch lives they reach the program as sessionEnding(), from the event loop,
// so that it can close as it does when asked.
//
// The handler itself only writes the signal's number into a socket pair
// (write(2) is safe in a signal handler; nothing else it would need is); the
// notifier on the other end emits the signal once the event loop runs again,
// nested loops of modal windows included. The handlers are installed with
// SA_RESTART, so that a file being written when a signal comes is written on.
// A signal that was ignored when the watch began (SIGHUP under nohup) is left
// ignored. One watch at a time; the handlers before it are back once it is gone.
class SessionEndWatch : public QObject {
    Q_OBJECT
public:
    explicit SessionEndWatch(QObject *parent = nullptr);
    ~SessionEndWatch() override;
    SessionEndWatch(const SessionEndWatch &) = delete;
    SessionEndWatch &operator=(const SessionEndWatch &) = delete;

    // "SIGTERM", "SIGHUP" or "SIGINT", for a log.
    static QString signalName(int signalNumber);

signals:
    // Once for each signal received, in the order they came.
    void sessionEnding(int signalNumber);

private:
    void readSignals();

    int sockets_[2] = {-1, -1}; // [0] written by the handler, [1] read here
    QSocketNotifier *notifier_ = nullptr;
    struct sigaction previous_[3] = {};
};

} // namespace vantorelle
