#include "resources/ResourceImages.h"
#include "resources/ResourceIds.h"

#include <QDir>

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
    const PixelArt strip = LoadToolBarStrip(GetParam().id);
    EXPECT_EQ(strip.Size(), QSize(16 * GetParam().images, 15));
    EXPECT_EQ(strip.doubled.size(), strip.Size() * 2);
    for (const QImage& image : {strip.normal, strip.doubled}) {
        EXPECT_TRUE(image.hasAlphaChannel());
        EXPECT_FALSE(HasColour(image, qRgb(192, 192, 192))) << "light grey is transparent";
    }
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
    const QImage strip = LoadToolBarStrip(136).normal;
    EXPECT_EQ(StripImage(strip, {16, 15}, 4), strip.copy(64, 0, 16, 15));
    EXPECT_TRUE(StripImage(strip, {16, 15}, 5).isNull());
    EXPECT_TRUE(StripImage(strip, {16, 15}, -1).isNull());
    EXPECT_TRUE(StripImage(strip, {0, 15}, 0).isNull());
    // Positions beyond the int range are past the end too, not wrapped around.
    EXPECT_TRUE(StripImage(strip, {16, 15}, INT_MAX / 8).isNull());
}

TEST(ResourceImages, MissingResourcesGiveNothing) {
    EXPECT_FALSE(LoadToolBarLayout(999));
    EXPECT_TRUE(LoadToolBarStrip(999).IsNull());
    EXPECT_TRUE(LoadTabImage(999, Qt::blue).IsNull());
    EXPECT_TRUE(LoadIconImage(999).IsNull());
    EXPECT_TRUE(LoadIcon(999).isNull());
    EXPECT_EQ(LoadCursor(999).shape(), Qt::ArrowCursor);
}

TEST(ResourceImages, EveryTabImageIsTwentyByTwenty) {
    for (const int id : resource::TabBitmaps) {
        EXPECT_EQ(LoadTabImage(id, Qt::blue).Size(), QSize(20, 20)) << id;
    }
}

TEST(ResourceImages, TabImageMapsMagentaToTheHighlightAndLightGreyToTransparent) {
    const QRgb highlight = qRgb(12, 34, 56);
    // Page 0's included image carries the highlight mark; its normal image does not.
    const PixelArt included = LoadTabImage(resource::TabBitmaps[7], QColor(highlight));
    for (const QImage& image : {included.normal, included.doubled}) {
        EXPECT_TRUE(HasColour(image, highlight));
        EXPECT_FALSE(HasColour(image, qRgb(255, 0, 255)));
        EXPECT_EQ(image.pixel(0, 0), kTransparent);
    }
    EXPECT_FALSE(
        HasColour(LoadTabImage(resource::TabBitmaps[0], QColor(highlight)).normal, highlight));
}

TEST(ResourceImages, SymbolListIconsAreSixteenBySixteen) {
    for (const int id : resource::SymbolListIcons) {
        EXPECT_EQ(LoadIconImage(id).Size(), QSize(16, 16)) << id;
    }
    EXPECT_EQ(LoadIconImage(resource::BrowseIcon).Size(), QSize(16, 16));
}

TEST(ResourceImages, ProgramIconHasASmallAndALargeSizeAtBothDensities) {
    const QIcon icon = ProgramIcon();
    EXPECT_TRUE(icon.availableSizes().contains(QSize(16, 16)));
    EXPECT_TRUE(icon.availableSizes().contains(QSize(32, 32)));
    EXPECT_EQ(LoadIconImage(resource::ProgramIcon).Size(), QSize(32, 32));
}

TEST(ResourceImages, CheckImageMapsItsGreysToTheButtonColours) {
    const QColor shadow(10, 20, 30);
    const QColor face(40, 50, 60);
    const QImage check = LoadCheckImage(shadow, face, QColor(Qt::white)).normal;
    EXPECT_EQ(check.size(), QSize(19, 19));
    EXPECT_EQ(check.pixel(0, 0), face.rgb());
    EXPECT_TRUE(HasColour(check, qRgb(0, 0, 0)));
    // With the face colour as the highlight, the background drops out entirely.
    EXPECT_EQ(LoadCheckImage(shadow, face, face).doubled.pixel(0, 0), kTransparent);
}

TEST(ResourceImages, EyedropperCursorPointsWithItsLowerLeftTip) {
    const QCursor cursor = LoadCursor(resource::EyedropperCursor);
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(9, 22));
    EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
    EXPECT_NE(cursor.pixmap().toImage().pixel(9, 22), kTransparent);
    // On a dense screen the drawn double, pointing at the same place of the picture.
    const QCursor dense = LoadCursor(resource::EyedropperCursor, 2.0);
    EXPECT_EQ(dense.hotSpot(), QPoint(18, 44));
    EXPECT_EQ(dense.pixmap().size(), QSize(64, 64));
    EXPECT_EQ(dense.pixmap().devicePixelRatio(), 2.0);
}

// The art generator writes NAME@2x beside every picture: the same pixels, each doubled.
TEST(ResourceImages, EveryPictureHasItsPixelForPixelDouble) {
    const QDir dir(QStringLiteral(":/quillet"));
    int pictures = 0;
    for (const QString& name : dir.entryList({QStringLiteral("*.xpm")})) {
        if (name.contains(QStringLiteral("@2x"))) {
            continue;
        }
        ++pictures;
        const QImage normal = QImage(dir.filePath(name)).convertToFormat(QImage::Format_ARGB32);
        QString doubledName = name;
        doubledName.insert(name.lastIndexOf('.'), QStringLiteral("@2x"));
        const QImage doubled =
            QImage(dir.filePath(doubledName)).convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(doubled,
                  normal.scaled(normal.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation))
            << name.toStdString();
    }
    EXPECT_EQ(dir.entryList({QStringLiteral("*@2x.xpm")}).size(), pictures);
}

TEST(ResourceImages, CrispPixmapTakesTheDrawnDoubleOnScreensOfAnEvenFactor) {
    QImage normal(1, 1, QImage::Format_ARGB32);
    normal.fill(qRgb(255, 0, 0));
    QImage doubled(2, 2, QImage::Format_ARGB32);
    doubled.fill(qRgb(0, 0, 255));
    const PixelArt art{normal, doubled};
    struct Case {
        qreal ratio;
        int size;
        QRgb colour;
    };
    for (const Case& c : {Case{1.0, 1, qRgb(255, 0, 0)}, Case{1.5, 2, qRgb(0, 0, 255)},
                          Case{2.0, 2, qRgb(0, 0, 255)}, Case{3.0, 3, qRgb(255, 0, 0)},
                          Case{4.0, 4, qRgb(0, 0, 255)}}) {
        const QPixmap pixmap = CrispPixmap(art, c.ratio);
        EXPECT_EQ(pixmap.size(), QSize(c.size, c.size)) << c.ratio;
        EXPECT_EQ(pixmap.devicePixelRatio(), c.size) << c.ratio;
        EXPECT_EQ(pixmap.toImage().pixel(c.size - 1, c.size - 1), c.colour) << c.ratio;
    }
    // Without a double the picture as drawn is scaled.
    EXPECT_EQ(CrispPixmap(PixelArt{normal, {}}, 2.0).toImage().pixel(1, 1), qRgb(255, 0, 0));
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
