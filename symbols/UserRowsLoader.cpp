#include "symbols/UserRowsLoader.h"

namespace quillet {

UserRowsLoader::~UserRowsLoader() {
    Discard();
}

void UserRowsLoader::Start(std::filesystem::path file) {
    Discard();
    const unsigned generation = ++m_generation;
    m_thread = std::thread([this, generation, file = std::move(file)] {
        m_rows = ReadUserRows(file);
        // Runs on this object's thread, and not at all once the object is gone.
        QMetaObject::invokeMethod(
            this,
            [this, generation] {
                if (generation == m_generation && IsRunning()) {
                    emit Finished();
                }
            },
            Qt::QueuedConnection);
    });
}

std::optional<LoadedUserRows> UserRowsLoader::Wait() {
    if (!IsRunning()) {
        return std::nullopt;
    }
    m_thread.join();
    std::optional<LoadedUserRows> rows = std::move(m_rows);
    m_rows.reset();
    return rows;
}

void UserRowsLoader::Discard() {
    Wait();
    ++m_generation;
}

} // namespace quillet
