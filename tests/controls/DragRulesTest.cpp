#include "controls/DragRules.h"

#include <gtest/gtest.h>

#include <string>

namespace quillet {
namespace {

struct MoveRow {
    const char* name;
    std::string_view text;
    Selection selection;
    LineCol drop;
    std::string_view result; // empty when nothing moves
    int movedStart = 0;
};

void PrintTo(const MoveRow& row, std::ostream* out) {
    *out << row.name;
}

std::string Apply(std::string_view text, const SelfMove& move) {
    const auto part = [text](int start, int end) {
        return text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
    };
    return std::string(part(0, move.replaced.start))
        .append(part(move.first.start, move.first.end))
        .append(part(move.second.start, move.second.end))
        .append(part(move.replaced.end, static_cast<int>(text.size())));
}

class SelfMoveTest : public testing::TestWithParam<MoveRow> {};

TEST_P(SelfMoveTest, MovesTheSelectionToTheDropPoint) {
    const MoveRow& row = GetParam();
    const std::optional<SelfMove> move = PlanSelfMove(row.text, row.selection, row.drop);
    ASSERT_EQ(move.has_value(), !row.result.empty());
    if (move) {
        EXPECT_EQ(Apply(row.text, *move), row.result);
        EXPECT_EQ(move->movedStart, row.movedStart);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SelfMoveTest,
    testing::Values(
        MoveRow{"RightShiftsBackByTheLength", "abcdef", {{0, 1}, {0, 3}}, {0, 5}, "adebcf", 3},
        MoveRow{"LeftKeepsTheDropIndex", "abcdef", {{0, 3}, {0, 5}}, {0, 1}, "adebcf", 1},
        MoveRow{"OntoItselfChangesNothing", "abcdef", {{0, 1}, {0, 4}}, {0, 1}, ""},
        MoveRow{"PastTheLineEndItReachesChangesNothing", "abcd", {{0, 2}, {0, 4}}, {0, 9}, ""},
        MoveRow{"RightOverLines", "ab\r\ncd\r\nef", {{0, 1}, {1, 1}}, {2, 1}, "ad\r\neb\r\ncf", 5},
        MoveRow{"DoubleByteRight", "あいうえ", {{0, 2}, {0, 4}}, {0, 8}, "あうえい", 6}),
    [](const testing::TestParamInfo<MoveRow>& info) { return info.param.name; });

} // namespace
} // namespace quillet
