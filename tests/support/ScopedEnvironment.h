#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace quillet::test {

// Sets or unsets one environment variable and restores it at the end of the scope.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::optional<std::string>& value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_saved = old;
        }
        Apply(value);
    }
    ~ScopedEnvironment() { Apply(m_saved); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    void Apply(const std::optional<std::string>& value) {
        if (value) {
            ::setenv(m_name.c_str(), value->c_str(), 1);
        } else {
            ::unsetenv(m_name.c_str());
        }
    }

    std::string m_name;
    std::optional<std::string> m_saved;
};

} // namespace quillet::test
