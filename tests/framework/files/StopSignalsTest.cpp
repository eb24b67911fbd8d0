#include "framework/files/StopSignals.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <csignal>
#include <gtest/gtest.h>

// A logout's SIGTERM, Control-C's SIGINT and a closed terminal's SIGHUP each become one call
// on the event loop, never a call from inside the signal handler, and never the end of the
// process.
TEST(StopSignals, EachStopSignalBecomesACallOnTheEventLoop) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        int calls = 0;
        const StopSignals stop([&calls] { ++calls; });
        ASSERT_TRUE(stop.installed());
        ASSERT_EQ(::raise(signal), 0);
        EXPECT_EQ(calls, 0) << signal;
        QDeadlineTimer deadline(10'000);
        while (calls == 0 && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        EXPECT_EQ(calls, 1) << signal;
    }
}
