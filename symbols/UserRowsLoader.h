#pragma once

#include "symbols/SymbolListModel.h"

#include <QObject>

#include <filesystem>
#include <optional>
#include <thread>

namespace quillet {

// Reads the user symbol file on a thread of its own, so that a long file does not hold up
// the window, and hands the rows over on the window's thread. One read at a time.
class UserRowsLoader : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    // Waits for a read still running.
    ~UserRowsLoader() override;

    // Drops any earlier read.
    void Start(std::filesystem::path file);
    bool IsRunning() const { return m_thread.joinable(); }
    // Waits for the running read and returns its rows; none when no read runs.
    std::optional<LoadedUserRows> Wait();
    // Waits for the running read and forgets it.
    void Discard();

signals:
    // On the thread the loader belongs to, once a read has finished; Wait() then returns
    // at once.
    void Finished();

private:
    std::thread m_thread;
    // Written by the reading thread, read only after joining it.
    std::optional<LoadedUserRows> m_rows;
    // Tells a finished read's notice from that of one dropped since.
    unsigned m_generation = 0;
};

} // namespace quillet
