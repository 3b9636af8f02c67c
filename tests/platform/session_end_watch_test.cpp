#include <gtest/gtest.h>

#include "platform/session_end_watch.h"

#include <QCoreApplication>
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

// Under nohup SIGHUP is ignored, and in a shell's background job SIGINT: the
// program is to outlive them, watch or no watch. The others are watched.
TEST(SessionEndWatch, ASignalIgnoredAtStartStaysIgnored)
{
    for (const int ignored : {SIGHUP, SIGINT}) {
        SCOPED_TRACE(ignored);
        struct sigaction ignore = {};
        ignore.sa_handler = SIG_IGN;
        struct sigaction before = {};
        ASSERT_EQ(::sigaction(ignored, &ignore, &before), 0);
        {
            SessionEndWatch watch;
            EXPECT_EQ(handlerOf(ignored).sa_handler, SIG_IGN);
            EXPECT_NE(handlerOf(SIGTERM).sa_handler, SIG_IGN);
            QSignalSpy spy(&watch, &SessionEndWatch::sessionEnding);
            ASSERT_EQ(::raise(ignored), 0);
            ASSERT_EQ(::raise(SIGTERM), 0);
            ASSERT_TRUE(spy.wait(5000));
            QCoreApplication::processEvents();
            ASSERT_EQ(spy.count(), 1);
            EXPECT_EQ(spy.at(0).at(0).toInt(), SIGTERM);
        }
        EXPECT_EQ(handlerOf(ignored).sa_handler, SIG_IGN);
        ::sigaction(ignored, &before, nullptr);
    }
}
