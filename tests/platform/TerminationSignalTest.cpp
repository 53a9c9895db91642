#include "platform/TerminationSignal.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <gtest/gtest.h>

#include <csignal>

namespace quillet {
namespace {

int Received(const TerminationSignal& termination) {
    int count = 0;
    QObject::connect(&termination, &TerminationSignal::Received, [&count] { ++count; });
    std::raise(SIGTERM);
    std::raise(SIGTERM);
    for (QDeadlineTimer deadline(5000); count == 0 && !deadline.hasExpired();) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return count;
}

// Two quick signals are one request; the handler goes away with the object.
TEST(TerminationSignal, ArrivesAsOneQtSignalAndRestoresTheHandler) {
    std::signal(SIGTERM, SIG_IGN);
    {
        const TerminationSignal termination;
        EXPECT_EQ(Received(termination), 1);
    }
    struct sigaction now {};
    ::sigaction(SIGTERM, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_IGN);
    std::signal(SIGTERM, SIG_DFL);
}

} // namespace
} // namespace quillet
