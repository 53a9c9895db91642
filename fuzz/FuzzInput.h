#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// What every fuzz target shares: reading structured values from the fuzzer's bytes, and a
// check that stops the run, under libFuzzer and the corpus runner alike.
namespace quillet::fuzz {

// Each target's checks say different things, so the text alone tells which one failed.
// `shown`, when given, is printed too: the text that broke it.
inline void Require(bool holds, const char* what, std::string_view shown = {}) {
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::fwrite(shown.data(), 1, shown.size(), stderr);
        std::fputc('\n', stderr);
        std::abort();
    }
}

// Takes values from the front of the input; past its end every value is empty or zero.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : m_rest(reinterpret_cast<const char*>(data), size) {}

    bool Empty() const { return m_rest.empty(); }

    std::uint8_t Byte() {
        if (m_rest.empty()) {
            return 0;
        }
        const auto byte = static_cast<std::uint8_t>(m_rest.front());
        m_rest.remove_prefix(1);
        return byte;
    }

    // A text of up to 255 bytes, its length in the byte before it.
    std::string Text() {
        const std::size_t wanted = Byte(); // before the size it is limited to
        const std::size_t length = std::min(wanted, m_rest.size());
        std::string text(m_rest.substr(0, length));
        m_rest.remove_prefix(length);
        return text;
    }

    std::string_view Rest() {
        const std::string_view rest = m_rest;
        m_rest = {};
        return rest;
    }

private:
    std::string_view m_rest;
};

} // namespace quillet::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
