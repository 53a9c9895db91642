#include "app/PictureAddress.h"

#include <gtest/gtest.h>

using namespace quillet;

namespace {

TEST(PictureAddress, RelativeUnderTheSaveFolderElseAbsolute) {
    const struct {
        const char* picture;
        const char* saveFolder;
        const char* address;
    } cases[] = {
        {"/site/img/a.png", "/site", "img/a.png"},
        {"/site/a.png", "/site/", "a.png"},
        {"/site/./img/../b.gif", "/site", "b.gif"},
        {"/sites/a.png", "/site", "/sites/a.png"}, // a sibling that shares the prefix
        {"/other/a.png", "/site", "/other/a.png"},
        {"/site/a.png", "", "/site/a.png"}, // nothing saved yet
        {"/site", "/site", "/site"},
    };
    for (const auto& row : cases) {
        EXPECT_EQ(PictureAddress(row.picture, row.saveFolder), row.address) << row.picture;
    }
}

} // namespace
