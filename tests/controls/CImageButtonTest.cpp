#include "controls/CImageButton.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace quillet {
namespace {

constexpr QRgb kYellow = qRgb(255, 255, 0);

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

class CImageButtonTest : public testing::Test {
protected:
    CImageButtonTest() : button(QStringLiteral("参照(&B)...")) {
        button.setObjectName(QStringLiteral("1006"));
        button.resize(75, 24);
    }

    QImage Picture() { return button.grab().toImage(); }

    CImageButton button;
};

TEST_F(CImageButtonTest, LoadsTheBrowseIconAtItsSize) {
    EXPECT_EQ(button.LoadButtonIcon(136, 16, 16), 1);
    EXPECT_TRUE(button.HasIcon());
    EXPECT_EQ(button.ImageSize(), QSize(16, 16));
}

TEST_F(CImageButtonTest, MissingIconReturnsZeroAndKeepsWhatItHad) {
    EXPECT_EQ(button.LoadButtonIcon(999, 16, 16), 0);
    EXPECT_FALSE(button.HasIcon());
    ASSERT_EQ(button.LoadButtonIcon(136, 16, 16), 1);
    EXPECT_EQ(button.LoadButtonIcon(999, 16, 16), 0);
    EXPECT_TRUE(button.HasIcon());
}

TEST_F(CImageButtonTest, IconIsDrawnFourPixelsInAndMovesWhilePressed) {
    ASSERT_EQ(button.LoadButtonIcon(136, 16, 16), 1);
    // The folder's first yellow pixel is at (1, 4) of the icon, drawn at (4, 4).
    EXPECT_EQ(Picture().pixel(5, 8), kYellow);
    button.setDown(true);
    const QImage pressed = Picture();
    EXPECT_EQ(pressed.pixel(6, 9), kYellow);
    EXPECT_NE(pressed.pixel(5, 8), kYellow);
}

TEST_F(CImageButtonTest, DisabledButtonDrawsItsIconEmbossed) {
    ASSERT_EQ(button.LoadButtonIcon(136, 16, 16), 1);
    button.setEnabled(false);
    const QImage picture = Picture();
    EXPECT_FALSE(HasColour(picture, kYellow));
    EXPECT_TRUE(HasColour(picture, button.palette().color(QPalette::Dark).rgb()));
}

TEST_F(CImageButtonTest, FocusFrameInvertsEveryOtherPixelThreeInside) {
    ASSERT_EQ(button.LoadButtonIcon(136, 16, 16), 1);
    const QImage unfocused = Picture();
    button.show();
    QApplication::setActiveWindow(&button);
    button.setFocus();
    if (!button.hasFocus()) {
        GTEST_SKIP() << "the platform gives no focus here";
    }
    const QImage focused = Picture();
    EXPECT_EQ(focused.pixel(3, 3) & RGB_MASK, ~unfocused.pixel(3, 3) & RGB_MASK);
    EXPECT_EQ(focused.pixel(4, 3), unfocused.pixel(4, 3));
    EXPECT_EQ(focused.pixel(2, 2), unfocused.pixel(2, 2));
    button.hide();
}

TEST_F(CImageButtonTest, ClickReachesTheParentAsUsual) {
    button.show();
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&clicks] { ++clicks; });
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    button.hide();
}

} // namespace
} // namespace quillet
