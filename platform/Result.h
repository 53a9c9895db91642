#pragma once

#include <filesystem>
#include <utility>
#include <variant>

namespace quillet {

// A file operation that failed: which step, on which file, and the system's error number.
// The window turns it into the message the user sees.
struct FileError {
    enum class Step { Open, Create, Read, Write, Sync, Rename, Remove };
    Step step = Step::Open;
    std::filesystem::path path;
    int errorNumber = 0;
};

// Either a value or the error that prevented it. Nothing in the program throws for
// expected failures such as unreadable files; they travel back in one of these.
template <typename T, typename E = FileError> class Result {
public:
    Result(T value) : m_value(std::in_place_index<0>, std::move(value)) {}
    Result(E error) : m_value(std::in_place_index<1>, std::move(error)) {}

    bool IsOk() const { return m_value.index() == 0; }
    explicit operator bool() const { return IsOk(); }

    const T& Value() const& { return std::get<0>(m_value); }
    T& Value() & { return std::get<0>(m_value); }
    T&& Value() && { return std::get<0>(std::move(m_value)); }
    const E& Failure() const { return std::get<1>(m_value); }

private:
    std::variant<T, E> m_value;
};

// The outcome of an operation that has no value of its own.
using Status = Result<std::monostate>;

inline Status Success() {
    return Status(std::monostate{});
}

} // namespace quillet
