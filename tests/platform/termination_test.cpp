// The signals that ask the program to end arrive as a call from the event
// loop, once.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <csignal>

#include "platform/termination.h"
#include "support/test_support.h"

namespace {

TEST(TerminationTest, ASignalIsHandedToTheEventLoop) {
    int calls = 0;
    termination::CatchSignals([&] { ++calls; });
    ASSERT_EQ(::raise(SIGHUP), 0) << "the program must survive the signal";
    EXPECT_EQ(calls, 0) << "nothing runs inside the signal handler";
    EXPECT_TRUE(grisk_test::RunEventsUntil([&] { return calls > 0; }));
    EXPECT_EQ(calls, 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 1);
    termination::CatchSignals(nullptr);
    // The next signal would end the program as it would without us.
    struct sigaction now {};
    ::sigaction(SIGTERM, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL);
}

}  // namespace
