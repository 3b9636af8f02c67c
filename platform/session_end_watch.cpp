#include "platform/session_end_watch.h"

#include <QSocketNotifier>
#include <QtGlobal>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <iterator>
#include <sys/socket.h>
#include <unistd.h>

namespace vantorelle {

namespace {

constexpr int watchedSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The socket the handler writes to. A signal handler reaches nothing but
// globals, hence the one of this file; -1 while no watch lives.
std::atomic<int> handlerSocket {-1};
static_assert(std::atomic<int>::is_always_lock_free, "read inside a signal handler");

void onSignal(int signalNumber)
{
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signalNumber);
    // Non-blocking: should the socket be full, this byte is lost, and the
    // ones before it end the session all the same.
    [[maybe_unused]] const ssize_t written = ::write(handlerSocket.load(), &byte, 1);
    errno = savedErrno;
}

} // namespace

SessionEndWatch::SessionEndWatch(QObject *parent)
    : QObject(parent)
{
    Q_ASSERT(handlerSocket.load() == -1);
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, sockets_) != 0) {
        // The signals keep their default: they end the program at once.
        qWarning("SessionEndWatch: no socket pair (%s)", strerror(errno));
        return;
    }
    handlerSocket = sockets_[0];
    notifier_ = new QSocketNotifier(sockets_[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SessionEndWatch::readSignals);

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(watchedSignals); ++i) {
        // A signal ignored when the program started stays ignored: nohup
        // ignores SIGHUP and a shell's background job SIGINT so that the
        // program outlives them.
        ::sigaction(watchedSignals[i], nullptr, &previous_[i]);
        if (previous_[i].sa_handler != SIG_IGN)
            ::sigaction(watchedSignals[i], &action, nullptr);
    }
}

SessionEndWatch::~SessionEndWatch()
{
    if (!notifier_)
        return;
    for (std::size_t i = 0; i < std::size(watchedSignals); ++i)
        ::sigaction(watchedSignals[i], &previous_[i], nullptr);
    handlerSocket = -1;
    delete notifier_;
    ::close(sockets_[0]);
    ::close(sockets_[1]);
}

QString SessionEndWatch::signalName(int signalNumber)
{
    switch (signalNumber) {
    case SIGTERM:
        return QStringLiteral("SIGTERM");
    case SIGHUP:
        return QStringLiteral("SIGHUP");
    case SIGINT:
        return QStringLiteral("SIGINT");
    default:
        return QStringLiteral("signal %1").arg(signalNumber);
    }
}

void SessionEndWatch::readSignals()
{
    unsigned char numbers[16];
    ssize_t count = 0;
    while ((count = ::read(sockets_[1], numbers, sizeof numbers)) > 0) {
        for (ssize_t i = 0; i < count; ++i)
            emit sessionEnding(numbers[i]);
    }
}

} // namespace vantorelle
