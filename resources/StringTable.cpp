#include "resources/StringTable.h"

#include "core/CommandIds.h"
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
    {CommandId::Copy, "\n作成したタグをクリップボードにコピーします(Enter)"},
    {CommandId::Drag, "\n作成したタグを目的の位置にドラッグします(Enter)"},
    {CommandId::Save, "\n作成したタグに名前を付けて保存します(Enter)"},
    {CommandId::StayOnTop, "\n常に手前に表示"},
    {CommandId::MoreColors, "\nその他"},
    {CommandId::Help, "\nヘルプ"},
    {CommandId::SourceWindow, "\nソース表示"},
    {CommandId::Bold, "\n太字"},
    {CommandId::Italic, "\n斜体"},
    {CommandId::Underline, "\n下線"},
    {CommandId::Strike, "\n取り消し線"},
    {CommandId::AlignLeft, "\n左揃え"},
    {CommandId::AlignCenter, "\n中央揃え"},
    {CommandId::AlignRight, "\n右揃え"},
    {CommandId::Superscript, "\n上付き"},
    {CommandId::Subscript, "\n下付き"},
    {CommandId::AddSymbol, "\n追加"},
    {CommandId::DeleteSymbol, "\n削除"},
    {CommandId::EditSymbol, "\n編集"},
    {CommandId::ClearPages, "\nクリア"},
    {CommandId::RegisterSymbol, "\n記号に登録"},
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
