#include <gtest/gtest.h>

#include "platform/session_end_watch.h"

#include <QSignalSpy>

#include <csignal>

using namespace vantorelle;

namespace {

struct sigaction handlerOf(int signalNumber)
{
    struct sigaction action = {};
    ::sigaction(signalNumber, nullptr, &action);
    return action;
}

} // namespace

TEST(SessionEndWatch, EachSignalReachesTheEventLoopInTheOrderItCame)
{
    SessionEndWatch watch;
    QSignalSpy spy(&watch, &SessionEndWatch::sessionEnding);
    for (const int number : {SIGTERM, SIGHUP, SIGINT, SIGTERM})
        ASSERT_EQ(::raise(number), 0);
    // The handlers only wrote: nothing has run yet.
    EXPECT_EQ(spy.count(), 0);

    ASSERT_TRUE(spy.wait(5000));
    QList<int> received;
    for (const QList<QVariant> &emitted : spy)
        received << emitted.at(0).toInt();
    EXPECT_EQ(received, QList<int>({SIGTERM, SIGHUP, SIGINT, SIGTERM}));
}

TEST(SessionEndWatch, TheHandlersRestartInterruptedCallsAndAreUndoneWithTheWatch)
{
    const struct sigaction before = handlerOf(SIGTERM);
    {
        SessionEndWatch watch;
        for (const int number : {SIGTERM, SIGHUP, SIGINT}) {
            const struct sigaction during = handlerOf(number);
            EXPECT_NE(during.sa_handler, SIG_DFL) << number;
            EXPECT_TRUE(during.sa_flags & SA_RESTART) << number;
        }
    }
    EXPECT_EQ(handlerOf(SIGTERM).sa_handler, before.sa_handler);
}
