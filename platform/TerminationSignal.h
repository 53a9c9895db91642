#pragma once

#include "platform/UniqueFd.h"

#include <QObject>

#include <array>
#include <csignal>

class QSocketNotifier;

namespace quillet {

// Turns SIGTERM into a Qt signal, so that a program asked to end by the desktop session, a
// package upgrade or `kill` closes its window the ordinary way and keeps the settings. One
// may exist at a time; the previous handler comes back when it is destroyed.
class TerminationSignal : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignal(QObject* parent = nullptr);
    ~TerminationSignal() override;
    TerminationSignal(const TerminationSignal&) = delete;
    TerminationSignal& operator=(const TerminationSignal&) = delete;

signals:
    void Received();

private:
    static std::array<int, 2> SocketPair();
    TerminationSignal(const std::array<int, 2>& ends, QObject* parent);
    void Drain();

    UniqueFd m_read;
    UniqueFd m_write;
    QSocketNotifier* m_notifier = nullptr;
    struct sigaction m_previous {};
    bool m_installed = false;
};

} // namespace quillet
