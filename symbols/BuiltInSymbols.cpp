#include "symbols/BuiltInSymbols.h"

#include <array>

namespace quillet {
namespace {

enum class Group { Cards, Computer, Danger, Nature, Other };

// Per group, in group order: the type text its rows carry, their icon and the filter that
// lists them. The Computer rows' type differs from their filter's label.
struct GroupInfo {
    std::string_view type;
    SymbolIcon icon;
    SymbolFilter filter;
};

constexpr std::array<GroupInfo, 5> kGroups{{
    {"トランプ", CardsIcon, SymbolFilter::Cards},
    {"パソコン", ComputerIcon, SymbolFilter::Computer},
    {"危険物", DangerIcon, SymbolFilter::Danger},
    {"自然", NatureIcon, SymbolFilter::Nature},
    {"その他", OtherIcon, SymbolFilter::Other},
}};

// A row is either one glyph byte of a symbol font, or, with no face, an entity alone.
struct BuiltIn {
    std::string_view name;
    Group group;
    std::string_view face;
    std::string_view glyphOrEntity;
};

constexpr std::string_view kSymbolFace = "Symbol";
constexpr std::string_view kWingdings = "Wingdings";

constexpr std::array<BuiltIn, kBuiltInSymbolCount> kCatalogue{{
    {"ハート", Group::Cards, kSymbolFace, "\xA9"},
    {"スペード", Group::Cards, kSymbolFace, "\xAA"},
    {"ダイヤ", Group::Cards, kSymbolFace, "\xA8"},
    {"クローバー", Group::Cards, kSymbolFace, "\xA7"},
    {"デスクトップ", Group::Computer, kWingdings, ":"},
    {"キーボード", Group::Computer, kWingdings, "7"},
    {"マウス", Group::Computer, kWingdings, "8"},
    {"CCDカメラ", Group::Computer, kWingdings, "9"},
    {"ハードディスク", Group::Computer, kWingdings, ";"},
    {"3.5インチ FD", Group::Computer, kWingdings, "<"},
    {"5インチ FD", Group::Computer, kWingdings, "="},
    {"どくろ", Group::Danger, kWingdings, "N"},
    {"十字架", Group::Danger, kWingdings, "U"},
    {"爆弾", Group::Danger, kWingdings, "M"},
    {"放射性廃棄物", Group::Danger, kWingdings, ">"},
    {"魔方陣", Group::Danger, kWingdings, "Y"},
    {"太陽", Group::Nature, kWingdings, "R"},
    {"月", Group::Nature, kWingdings, "Z"},
    {"水", Group::Nature, kWingdings, "S"},
    {"雪", Group::Nature, kWingdings, "T"},
    {"コピーライト", Group::Other, {}, "&copy;"},
    {"トレードマーク", Group::Other, {}, "&trade;"},
    {"Windowsロゴ", Group::Other, kWingdings, "\xFF"},
}};

// The same quote character every tag builder puts around attribute values.
constexpr char kQuote = '"';

// The glyph is never escaped, even where it is itself '<' or '>'.
std::string Content(const BuiltIn& row) {
    if (row.face.empty()) {
        return std::string(row.glyphOrEntity);
    }
    std::string content = "<Font Face=";
    content += kQuote;
    content += row.face;
    content += kQuote;
    content += '>';
    content += row.glyphOrEntity;
    content += "</Font>";
    return content;
}

const GroupInfo& InfoOf(Group group) {
    return kGroups[static_cast<std::size_t>(group)];
}

SymbolRow MakeRow(const BuiltIn& row) {
    const GroupInfo& group = InfoOf(row.group);
    return SymbolRow{SymbolRecord{std::string(row.name), std::string(group.type), Content(row)},
                     group.icon};
}

bool Lists(SymbolFilter filter, const BuiltIn& row) {
    return filter == SymbolFilter::All || filter == InfoOf(row.group).filter;
}

} // namespace

std::vector<SymbolRow> BuiltInSymbols() {
    return SymbolsForFilter(SymbolFilter::All);
}

std::vector<SymbolRow> SymbolsForFilter(SymbolFilter filter) {
    std::vector<SymbolRow> rows;
    for (const BuiltIn& row : kCatalogue) {
        if (Lists(filter, row)) {
            rows.push_back(MakeRow(row));
        }
    }
    return rows;
}

std::vector<SymbolRow> SymbolsForFilter(std::string_view label) {
    const std::optional<SymbolFilter> filter = FilterFromLabel(label);
    return filter ? SymbolsForFilter(*filter) : std::vector<SymbolRow>{};
}

} // namespace quillet
