#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// An INI-style profile held in memory, read and changed the way the classic profile
// functions do it. Names and values are code page 932 bytes, passed through unconverted.
//
// Reading: section and key names match without regard to ASCII case; blanks around names
// and values are trimmed; a value in matching double quotes loses them; a line starting
// with ';' is a comment; the first of duplicate sections or keys wins. A missing section
// or key gives the caller's default.
//
// Changing a key rewrites only that key's line. Every other byte stays as it was; a
// missing key is added at the end of its section, a missing section at the end of the
// text, new lines ending in CR LF.
namespace quillet {

// Read once, query and change many keys, save once.
class ProfileDocument {
public:
    ProfileDocument() = default;
    explicit ProfileDocument(std::string_view bytes);

    std::string String(std::string_view section, std::string_view key,
                       std::string_view fallback) const;
    // Leading blanks, an optional sign, then the digits up to the first non-digit; a value
    // without digits is 0, an empty value gives `fallback`. Values beyond the int range
    // saturate.
    int Int(std::string_view section, std::string_view key, int fallback) const;

    // False, with the document unchanged, when the line could not be read back as written:
    // an empty name, a line break or NUL anywhere, ']' in a section name, '=' in a key
    // name, a key name starting with '[' or ';', or a name ending in a lone lead byte.
    [[nodiscard]] bool SetString(std::string_view section, std::string_view key,
                                 std::string_view value);
    [[nodiscard]] bool SetInt(std::string_view section, std::string_view key, int value);

    // The file's bytes with the changes made so far.
    std::string Bytes() const;

private:
    enum class Ending : unsigned char { None, Lf, CrLf };
    enum class Kind : unsigned char { Other, Section, Entry };
    // Names and values are kept as offsets into the line, so that a large file costs
    // little more than its text.
    struct Line {
        std::string text; // without its line ending
        Ending ending = Ending::None;
        Kind kind = Kind::Other;
        std::size_t nameBegin = 0; // trimmed section or key name
        std::size_t nameEnd = 0;
        std::size_t valueBegin = 0; // entries: the value after '=' and its blanks
        std::size_t valueEnd = 0;   // entries: where the trimmed value ends

        std::string_view Name() const;
        std::string_view Value() const;
    };

    static Line ParseLine(std::string text, Ending ending);
    static bool ReadsBackAs(const std::string& text, Kind kind, std::string_view name);
    std::size_t FindSection(std::string_view section) const;
    std::size_t FindEntry(std::size_t sectionLine, std::string_view key) const;
    std::size_t SectionInsertPoint(std::size_t sectionLine) const;
    void InsertLine(std::size_t at, std::string text);

    std::vector<Line> m_lines;
};

} // namespace quillet
