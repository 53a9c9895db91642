#include "app/PageAccess.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

TEST(PageAccessTest, ALabelNamesItsFieldWithoutAccessKeyColonOrIndent) {
    const std::pair<std::string, std::string> cases[] = {
        {"発言(&T) :", "発言"},
        {"　　 種類(&K) :", "種類"},
        {"名前(&N):", "名前"},
        {"&Kind", "Kind"},
        {"色 :", "色"},
        {"", ""},
        {"(&", "("},
    };
    for (const auto& [label, name] : cases) {
        EXPECT_EQ(AccessibleLabelName(label), name) << label;
    }
}

} // namespace
} // namespace quillet
