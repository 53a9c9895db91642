#include "controls/CColorPopup.h"
#include "core/ColorPalette.h"
#include "platform/TextCodec.h"
#include "tests/support/FakePrompts.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <vector>

namespace quillet {
namespace {

using test::FakePrompts;

void Settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class CColorPopupTest : public testing::Test {
protected:
    CColorPopupTest() {
        owner.resize(200, 100);
        owner.show();
        owner.activateWindow();
        Settle();
    }

    CColorPopup* Open(const ColorRequest& request = {MakeRgb(1, 2, 3), false, MakeRgb(0, 0, 0)}) {
        popup = CColorPopup::Open(&owner, QPoint(300, 200), request, prompts);
        QObject::connect(popup, &CColorPopup::ColorChosen,
                         [this](const ColorChoice& choice) { reports.push_back(choice); });
        Settle();
        return popup;
    }

    void Click(const char* id) {
        QTest::mouseClick(popup->findChild<QWidget*>(QString::fromLatin1(id)), Qt::LeftButton);
        Settle();
    }

    QWidget owner;
    FakePrompts prompts;
    QPointer<CColorPopup> popup;
    std::vector<ColorChoice> reports;
};

class SwatchTest : public CColorPopupTest, public testing::WithParamInterface<int> {};

TEST_P(SwatchTest, ShowsTipsAndChoosesItsPaletteEntryInTheGrid) {
    const int index = GetParam();
    const PaletteColor& color = ColorPalette()[static_cast<std::size_t>(index)];
    Open();
    const auto swatchAt = [this](int i) {
        const int id = ColorPalette()[static_cast<std::size_t>(i)].SwatchId;
        return popup->findChild<QWidget*>(QString::number(id));
    };
    QWidget* swatch = swatchAt(index);
    ASSERT_NE(swatch, nullptr);
    // In line with the first row's swatch above it and the first column's beside it.
    EXPECT_EQ(swatch->pos(), QPoint(swatchAt(index % 4)->x(), swatchAt(index / 4 * 4)->y()));
    EXPECT_EQ(swatch->toolTip(), FromCp932(color.Name));
    // "銀色" alone is painted one step darker than the grey it chooses.
    const Rgb painted = color.SwatchId == 1005 ? MakeRgb(0x89, 0x89, 0x89) : color.Value;
    const QImage image = swatch->grab().toImage();
    EXPECT_EQ(image.pixel(image.width() / 2, image.height() / 2),
              qRgb(RedOf(painted), GreenOf(painted), BlueOf(painted)));

    QTest::mouseClick(swatch, Qt::LeftButton);
    Settle();
    EXPECT_EQ(reports, std::vector<ColorChoice>{ChoiceOf(color)});
    EXPECT_TRUE(popup.isNull());
}

INSTANTIATE_TEST_SUITE_P(Palette, SwatchTest, testing::Range(0, 28));

TEST_F(CColorPopupTest, StandardReportsTheRequestedDefault) {
    Open({MakeRgb(1, 2, 3), true, MakeRgb(250, 251, 252)});
    Click("1034");
    EXPECT_EQ(reports, std::vector<ColorChoice>{StandardColor(MakeRgb(250, 251, 252))});
    EXPECT_TRUE(popup.isNull());
}

TEST_F(CColorPopupTest, StandardWithoutADefaultDoesNothingAndKeepsTheFocus) {
    Open({MakeRgb(1, 2, 3), false, std::nullopt});
    Click("1034");
    ASSERT_FALSE(popup.isNull());
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(QApplication::focusWidget(), popup.data());
}

TEST_F(CColorPopupTest, MoreColorsAsksTheChooserFromTheCurrentColourAndReportsOther) {
    prompts.colorAnswer = QColor(18, 52, 86);
    bool chooserOpen = false;
    prompts.whileChoosingColor = [&] { chooserOpen = popup->ChooserOpen(); };
    Open();
    CColorPopup* asker = popup.data();
    Click("32783");
    EXPECT_EQ(prompts.colorRequests,
              (std::vector<std::pair<QWidget*, QColor>>{{asker, QColor(1, 2, 3)}}));
    EXPECT_TRUE(chooserOpen);
    EXPECT_EQ(reports, std::vector<ColorChoice>{OtherColor(MakeRgb(18, 52, 86))});
    EXPECT_TRUE(popup.isNull());
}

TEST_F(CColorPopupTest, CancelledChooserClosesWithoutAChoice) {
    Open();
    Click("32783");
    EXPECT_EQ(prompts.colorRequests.size(), 1U);
    EXPECT_TRUE(reports.empty());
    EXPECT_TRUE(popup.isNull());
}

TEST_F(CColorPopupTest, LosingTheActivationClosesWithoutAChoice) {
    Open();
    owner.activateWindow();
    Settle();
    EXPECT_TRUE(popup.isNull());
    EXPECT_TRUE(reports.empty());
}

TEST_F(CColorPopupTest, ActivationTakenByTheChooserKeepsThePopupAlive) {
    prompts.colorAnswer = QColor(255, 128, 0);
    prompts.whileChoosingColor = [this] {
        owner.activateWindow();
        Settle();
    };
    Open();
    Click("32783");
    EXPECT_EQ(reports, std::vector<ColorChoice>{OtherColor(MakeRgb(255, 128, 0))});
}

TEST_F(CColorPopupTest, EscapeAndEnterCloseWithoutAChoice) {
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        Open();
        QTest::keyClick(popup.data(), key);
        Settle();
        EXPECT_TRUE(popup.isNull()) << key;
    }
    EXPECT_TRUE(reports.empty());
}

TEST_F(CColorPopupTest, OpensActiveAtTheClickPointAndClosesTheOwnersPreviousPopup) {
    QPointer<CColorPopup> first = Open();
    Open();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(owner.findChildren<CColorPopup*>().size(), 1);
    EXPECT_EQ(popup->pos(), QPoint(300, 200));
    EXPECT_EQ(QGuiApplication::focusWindow(), popup->windowHandle());
}

} // namespace
} // namespace quillet
