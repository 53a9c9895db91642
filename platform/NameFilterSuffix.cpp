#include "platform/NameFilterSuffix.h"

namespace quillet {

std::string NameFilterSuffix(std::string_view filter) {
    // The pattern list is the last parenthesised part; its patterns are ASCII, and no
    // trail byte of the code page is '(' or '*'.
    const std::size_t open = filter.rfind('(');
    if (open == std::string_view::npos) {
        return {};
    }
    std::string_view patterns = filter.substr(open + 1);
    patterns = patterns.substr(0, patterns.find_first_of(") "));
    if (patterns.size() < 3 || patterns.substr(0, 2) != "*.") {
        return {};
    }
    const std::string_view suffix = patterns.substr(2);
    if (suffix.find_first_of("*?[") != std::string_view::npos) {
        return {};
    }
    return std::string(suffix);
}

std::filesystem::path WithFilterSuffix(const std::filesystem::path& path, std::string_view filter,
                                       std::string_view fallback) {
    if (path.filename().empty() || path.filename().has_extension()) {
        return path;
    }
    std::string suffix = NameFilterSuffix(filter);
    if (suffix.empty()) {
        suffix = fallback;
    }
    if (suffix.empty()) {
        return path;
    }
    std::filesystem::path result = path;
    result += "." + suffix;
    return result;
}

} // namespace quillet
