#pragma once

#include <filesystem>
#include <utility>
#include <variant>

namespace quillet {

// Reasons of the program's own, beside the system's error numbers (which are positive).
inline constexpr int kNotRegularFile = -1; // a fifo or a device where a file belongs
inline constexpr int kUnstorableText = -2; // a text the file could not give back as it was

// A file operation that failed: which step, on which file, and why (the system's error
// number or one of the reasons above). The window turns it into the message the user sees.
struct FileError {
    // Replace: an existing file could not be replaced, by the write as a whole.
    enum class Step { Open, Create, Read, Write, Sync, Replace, Remove };
    Step step = Step::Open;
    std::filesystem::path path;
    int errorNumber = 0;
    // A write failed and the file it was to replace is still there, as it was.
    bool oldFileKept = false;
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
