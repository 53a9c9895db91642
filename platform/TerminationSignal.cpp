#include "platform/TerminationSignal.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace quillet {
namespace {

// A signal handler can only reach a plain global; it holds the write end of the pipe.
volatile std::sig_atomic_t writeEnd = -1;

void OnTerminate(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
}

} // namespace

std::array<int, 2> TerminationSignal::SocketPair() {
    std::array<int, 2> ends{-1, -1};
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, ends.data()) != 0) {
        return {-1, -1};
    }
    return ends;
}

TerminationSignal::TerminationSignal(QObject* parent) : TerminationSignal(SocketPair(), parent) {}

TerminationSignal::TerminationSignal(const std::array<int, 2>& ends, QObject* parent)
    : QObject(parent), m_read(ends[1]), m_write(ends[0]) {
    if (m_read.Get() < 0 || writeEnd >= 0) {
        return;
    }
    writeEnd = m_write.Get();
    struct sigaction action {};
    action.sa_handler = OnTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    m_installed = ::sigaction(SIGTERM, &action, &m_previous) == 0;
    if (!m_installed) {
        writeEnd = -1;
        return;
    }
    m_notifier = new QSocketNotifier(m_read.Get(), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignal::Drain);
}

TerminationSignal::~TerminationSignal() {
    if (m_installed) {
        ::sigaction(SIGTERM, &m_previous, nullptr);
        writeEnd = -1;
    }
}

void TerminationSignal::Drain() {
    std::array<char, 16> bytes{};
    bool any = false;
    while (::read(m_read.Get(), bytes.data(), bytes.size()) > 0) {
        any = true;
    }
    if (any) {
        emit Received();
    }
}

} // namespace quillet
