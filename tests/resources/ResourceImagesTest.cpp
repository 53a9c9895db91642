#include "resources/ResourceImages.h"
#include "resources/ResourceIds.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace quillet {
namespace {

constexpr QRgb kTransparent = 0;

bool HasColour(const QImage& image, QRgb colour) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == colour) {
                return true;
            }
        }
    }
    return false;
}

struct StripCase {
    int id;
    int images;
};

class ToolBarStripTest : public testing::TestWithParam<StripCase> {};

TEST_P(ToolBarStripTest, HoldsOneSixteenByFifteenImagePerButton) {
    const QImage strip = LoadToolBarStrip(GetParam().id);
    EXPECT_EQ(strip.size(), QSize(16 * GetParam().images, 15));
    EXPECT_TRUE(strip.hasAlphaChannel());
    EXPECT_FALSE(HasColour(strip, qRgb(192, 192, 192))) << "light grey is the transparent colour";
    const auto layout = LoadToolBarLayout(GetParam().id);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->ImageCount(), GetParam().images);
}

INSTANTIATE_TEST_SUITE_P(ResourceImages, ToolBarStripTest,
                         testing::Values(StripCase{136, 5}, StripCase{140, 4}, StripCase{143, 12},
                                         StripCase{144, 1}),
                         [](const auto& info) {
                             return "Resource" + std::to_string(info.param.id);
                         });

TEST(ResourceImages, StripImageIsCutAtItsIndexAndNullPastTheEnd) {
    const QImage strip = LoadToolBarStrip(136);
    EXPECT_EQ(StripImage(strip, {16, 15}, 4), strip.copy(64, 0, 16, 15));
    EXPECT_TRUE(StripImage(strip, {16, 15}, 5).isNull());
    EXPECT_TRUE(StripImage(strip, {16, 15}, -1).isNull());
    EXPECT_TRUE(StripImage(strip, {0, 15}, 0).isNull());
    // Positions beyond the int range are past the end too, not wrapped around.
    EXPECT_TRUE(StripImage(strip, {16, 15}, INT_MAX / 8).isNull());
}

TEST(ResourceImages, MissingResourcesGiveNothing) {
    EXPECT_FALSE(LoadToolBarLayout(999));
    EXPECT_TRUE(LoadToolBarStrip(999).isNull());
    EXPECT_TRUE(LoadTabImage(999, Qt::blue).isNull());
    EXPECT_TRUE(LoadIconImage(999).isNull());
    EXPECT_TRUE(LoadIcon(999).isNull());
    EXPECT_EQ(LoadCursor(999).shape(), Qt::ArrowCursor);
}

TEST(ResourceImages, EveryTabImageIsTwentyByTwenty) {
    for (const int id : resource::TabBitmaps) {
        EXPECT_EQ(LoadTabImage(id, Qt::blue).size(), QSize(20, 20)) << id;
    }
}

TEST(ResourceImages, TabImageMapsMagentaToTheHighlightAndLightGreyToTransparent) {
    const QRgb highlight = qRgb(12, 34, 56);
    // Page 0's included image carries the highlight mark; its normal image does not.
    const QImage included = LoadTabImage(resource::TabBitmaps[7], QColor(highlight));
    EXPECT_TRUE(HasColour(included, highlight));
    EXPECT_FALSE(HasColour(included, qRgb(255, 0, 255)));
    EXPECT_EQ(included.pixel(0, 0), kTransparent);
    EXPECT_FALSE(HasColour(LoadTabImage(resource::TabBitmaps[0], QColor(highlight)), highlight));
}

TEST(ResourceImages, SymbolListIconsAreSixteenBySixteen) {
    for (const int id : resource::SymbolListIcons) {
        EXPECT_EQ(LoadIconImage(id).size(), QSize(16, 16)) << id;
    }
    EXPECT_EQ(LoadIconImage(resource::BrowseIcon).size(), QSize(16, 16));
}

TEST(ResourceImages, ProgramIconHasASmallAndALargeSizeAtBothDensities) {
    const QIcon icon = ProgramIcon();
    EXPECT_TRUE(icon.availableSizes().contains(QSize(16, 16)));
    EXPECT_TRUE(icon.availableSizes().contains(QSize(32, 32)));
    EXPECT_EQ(LoadIconImage(resource::ProgramIcon).size(), QSize(32, 32));
}

TEST(ResourceImages, CheckImageMapsItsGreysToTheButtonColours) {
    const QColor shadow(10, 20, 30);
    const QColor face(40, 50, 60);
    const QImage check = LoadCheckImage(shadow, face, QColor(Qt::white));
    EXPECT_EQ(check.size(), QSize(19, 19));
    EXPECT_EQ(check.pixel(0, 0), face.rgb());
    EXPECT_TRUE(HasColour(check, qRgb(0, 0, 0)));
    // With the face colour as the highlight, the background drops out entirely.
    EXPECT_EQ(LoadCheckImage(shadow, face, face).pixel(0, 0), kTransparent);
}

TEST(ResourceImages, EyedropperCursorPointsWithItsLowerLeftTip) {
    const QCursor cursor = LoadCursor(resource::EyedropperCursor);
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(9, 22));
    EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
    EXPECT_NE(cursor.pixmap().toImage().pixel(9, 22), kTransparent);
}

TEST(ResourceImages, CrispPixmapDoublesPixelsWithoutBlending) {
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(0, 0, 255));
    const QPixmap pixmap = CrispPixmap(image, 2.0);
    EXPECT_EQ(pixmap.devicePixelRatio(), 2.0);
    const QImage doubled = pixmap.toImage();
    EXPECT_EQ(doubled.size(), QSize(4, 2));
    EXPECT_EQ(doubled.pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(doubled.pixel(2, 1), qRgb(0, 0, 255));
}

} // namespace
} // namespace quillet

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
