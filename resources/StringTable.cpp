#include "resources/StringTable.h"

#include "resources/ResourceIds.h"

#include <algorithm>
#include <array>

namespace quillet {

namespace {

struct StringEntry {
    int id;
    std::string_view text;
};

// Sorted by id for the binary search below.
constexpr auto kStrings = std::to_array<StringEntry>({
    {command::Copy, "\n作成したタグをクリップボードにコピーします(Enter)"},
    {command::Drag, "\n作成したタグを目的の位置にドラッグします(Enter)"},
    {command::Save, "\n作成したタグに名前を付けて保存します(Enter)"},
    {command::StayOnTop, "\n常に手前に表示"},
    {command::MoreColors, "\nその他"},
    {command::Help, "\nヘルプ"},
    {command::SourceWindow, "\nソース表示"},
    {command::Bold, "\n太字"},
    {command::Italic, "\n斜体"},
    {command::Underline, "\n下線"},
    {command::StrikeOut, "\n取り消し線"},
    {command::AlignLeft, "\n左揃え"},
    {command::AlignCenter, "\n中央揃え"},
    {command::AlignRight, "\n右揃え"},
    {command::Superscript, "\n上付き"},
    {command::Subscript, "\n下付き"},
    {command::AddSymbol, "\n追加"},
    {command::DeleteSymbol, "\n削除"},
    {command::EditSymbol, "\n編集"},
    {command::ClearPages, "\nクリア"},
    {command::RegisterSymbol, "\n記号に登録"},
});

static_assert(std::ranges::is_sorted(kStrings, {}, &StringEntry::id));

} // namespace

std::string_view LoadString(int id) {
    const auto it = std::ranges::lower_bound(kStrings, id, {}, &StringEntry::id);
    return it != kStrings.end() && it->id == id ? it->text : std::string_view{};
}

std::string_view TipText(std::string_view entry) {
    const auto first = entry.find('\n');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto rest = entry.substr(first + 1);
    return rest.substr(0, rest.find('\n'));
}

} // namespace quillet
