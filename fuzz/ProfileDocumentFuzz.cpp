// Settings documents: setting one key and reading the written bytes again changes that key
// alone. Input: section, key and value to set, then the document.
#include "fuzz/FuzzInput.h"
#include "platform/ProfileDocument.h"

#include <utility>
#include <vector>

using quillet::fuzz::FuzzInput;
using quillet::fuzz::Require;

namespace {

using Name = std::pair<std::string, std::string>;

constexpr std::string_view kMissing = "\x01missing";

std::string_view Trimmed(std::string_view name) {
    constexpr std::string_view kBlanks = " \t\r\v\f";
    name.remove_prefix(std::min(name.find_first_not_of(kBlanks), name.size()));
    return name.substr(0, name.find_last_not_of(kBlanks) + 1);
}

// The document matches names more narrowly: a letter that is the second byte of a
// double-byte character keeps its case.
bool SameName(std::string_view a, std::string_view b) {
    a = Trimmed(a);
    b = Trimmed(b);
    auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (fold(a[i]) != fold(b[i])) {
            return false;
        }
    }
    return true;
}

// Every section and key name the text seems to hold, found more loosely than the document
// finds them: names it does not hold just read as missing before and after.
std::vector<Name> CandidateNames(std::string_view text) {
    std::vector<Name> names;
    std::string section;
    while (!text.empty() && names.size() < 64) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.starts_with('[')) {
            section = line.substr(1, line.find(']') - 1);
        } else if (const std::size_t equals = line.find('='); equals != std::string_view::npos) {
            names.emplace_back(section, line.substr(0, equals));
        }
    }
    return names;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::string section = input.Text();
    const std::string key = input.Text();
    const std::string value = input.Text();
    const std::string_view text = input.Rest();

    const quillet::ProfileDocument before(text);
    Require(before.Bytes() == text, "an unchanged document keeps every byte");
    quillet::ProfileDocument changed = before;
    if (!changed.SetString(section, key, value)) {
        Require(changed.Bytes() == text, "a refused change changes nothing");
        return 0;
    }
    const quillet::ProfileDocument after(changed.Bytes());
    Require(after.String(section, key, kMissing) == value, "the key reads back as set");

    std::vector<Name> names = CandidateNames(text);
    names.emplace_back(section, "");
    names.emplace_back("", key);
    for (const auto& [otherSection, otherKey] : names) {
        if (SameName(otherKey, key) && SameName(otherSection, section)) {
            continue;
        }
        Require(after.String(otherSection, otherKey, kMissing) ==
                    before.String(otherSection, otherKey, kMissing),
                "every other key keeps its value");
    }
    return 0;
}
