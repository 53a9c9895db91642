#include "controls/CColorPopup.h"
#include "core/ColorPalette.h"
#include "platform/Prompts.h"
#include "platform/TextCodec.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QToolButton>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace quillet {
namespace {

// Answers the colour chooser and records how it was asked.
class FakePrompts : public Prompts {
public:
    bool AskYesNo(QWidget*, const QString&, MessageIcon) override { return false; }
    void ShowMessage(QWidget*, const QString&, MessageIcon) override {}
    std::optional<QString> SaveFileName(QWidget*, const FileRequest&) override { return {}; }
    std::optional<QString> OpenFileName(QWidget*, const FileRequest&) override { return {}; }
    std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial) override {
        ++asked;
        askedParent = parent;
        askedInitial = initial;
        if (whileOpen) {
            whileOpen();
        }
        return answer;
    }

    std::optional<QColor> answer;
    std::function<void()> whileOpen;
    int asked = 0;
    QWidget* askedParent = nullptr;
    QColor askedInitial;
};

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
        CColorPopup* opened = CColorPopup::Open(&owner, QPoint(300, 200), request, prompts);
        QObject::connect(opened, &CColorPopup::ColorChosen,
                         [this](const ColorChoice& choice) { reports.push_back(choice); });
        Settle();
        popup = opened;
        return opened;
    }

    void Click(const char* id) {
        auto* widget = popup->findChild<QWidget*>(QString::fromLatin1(id));
        ASSERT_NE(widget, nullptr) << id;
        QTest::mouseClick(widget, Qt::LeftButton);
        Settle();
    }

    QWidget owner;
    FakePrompts prompts;
    QPointer<CColorPopup> popup;
    std::vector<ColorChoice> reports;
};

TEST_F(CColorPopupTest, OpensActiveWithItsTopLeftCornerAtTheClickPoint) {
    Open();
    ASSERT_FALSE(popup.isNull());
    EXPECT_EQ(popup->pos(), QPoint(300, 200));
    EXPECT_EQ(QGuiApplication::focusWindow(), popup->windowHandle());
    EXPECT_EQ(popup->objectName(), QStringLiteral("107"));
}

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
    const int row = index / 4;
    const int column = index % 4;
    EXPECT_EQ(swatch->x(), swatchAt(column)->x());
    EXPECT_EQ(swatch->y(), swatchAt(row * 4)->y());
    if (column > 0) {
        EXPECT_GT(swatch->x(), swatchAt(index - 1)->geometry().right());
    }
    if (row > 0) {
        EXPECT_GT(swatch->y(), swatchAt(index - 4)->geometry().bottom());
    }
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
    EXPECT_TRUE(popup->isVisible());
    EXPECT_EQ(QGuiApplication::focusWindow(), popup->windowHandle());
    EXPECT_EQ(QApplication::focusWidget(), popup.data());
}

TEST_F(CColorPopupTest, MoreColorsAsksTheChooserFromTheCurrentColourAndReportsOther) {
    prompts.answer = QColor(18, 52, 86);
    bool chooserOpen = false;
    prompts.whileOpen = [&] { chooserOpen = popup->ChooserOpen(); };
    Open();
    const CColorPopup* asker = popup.data();
    Click("32783");
    EXPECT_EQ(prompts.asked, 1);
    EXPECT_EQ(prompts.askedParent, asker);
    EXPECT_EQ(prompts.askedInitial, QColor(1, 2, 3));
    EXPECT_TRUE(chooserOpen);
    EXPECT_EQ(reports, std::vector<ColorChoice>{OtherColor(MakeRgb(18, 52, 86))});
    EXPECT_TRUE(popup.isNull());
}

TEST_F(CColorPopupTest, CancelledChooserClosesWithoutAChoice) {
    Open();
    Click("32783");
    EXPECT_EQ(prompts.asked, 1);
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
    prompts.answer = QColor(255, 128, 0);
    prompts.whileOpen = [this] {
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

TEST_F(CColorPopupTest, OpeningAnotherClosesTheFirst) {
    QPointer<CColorPopup> first = Open();
    Open();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(owner.findChildren<CColorPopup*>().size(), 1);
}

} // namespace
} // namespace quillet
