#pragma once

#include <thread>
#include <utility>

namespace quillet {

// Destroys objects on a thread of its own: a list of a hundred thousand symbols frees a text
// per cell, which would hold up the window that dropped it. One at a time; the next waits
// for the one before, and so does the destructor.
class BackgroundDisposal {
public:
    BackgroundDisposal() = default;
    BackgroundDisposal(const BackgroundDisposal&) = delete;
    BackgroundDisposal& operator=(const BackgroundDisposal&) = delete;
    ~BackgroundDisposal() { Wait(); }

    template <typename T> void Dispose(T object) {
        Wait();
        m_thread =
            std::thread([held = std::move(object)]() mutable { T dropped = std::move(held); });
    }

    void Wait() {
        if (m_thread.joinable()) {
            m_thread.join();
        }
    }

private:
    std::thread m_thread;
};

} // namespace quillet
