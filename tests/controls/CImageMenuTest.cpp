#include "controls/CImageMenu.h"

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QMenu>
#include <QPainter>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace quillet {
namespace {

// Colours that cannot be mistaken for one another or for the pictures.
QPalette DistinctPalette() {
    QPalette palette;
    palette.setColor(QPalette::WindowText, QColor(1, 2, 3));
    palette.setColor(QPalette::HighlightedText, QColor(250, 250, 240));
    palette.setColor(QPalette::Button, QColor(200, 200, 190));
    palette.setColor(QPalette::Window, QColor(210, 220, 230));
    palette.setColor(QPalette::Highlight, QColor(20, 60, 140));
    palette.setColor(QPalette::Light, QColor(245, 245, 235));
    palette.setColor(QPalette::Dark, QColor(100, 90, 80));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 130, 110));
    return palette;
}

class CImageMenuTest : public testing::Test {
protected:
    CImageMenuTest()
        : images(std::make_unique<CImageMenu>(true, DistinctPalette(), QApplication::font())),
          menu(CImageMenu::LoadMenuResource(136)) {}
    ~CImageMenuTest() override { delete menu; }

    QAction* Action(int index) const { return menu->actions().at(index); }
    QColor Color(SystemColor color) const { return images->Color(color); }

    QImage Draw(int index, MenuItemState state, QSize size = {140, 20}) const {
        QImage canvas(size, QImage::Format_ARGB32);
        canvas.fill(Qt::black);
        QPainter painter(&canvas);
        images->DrawMenuItem(painter, Action(index), QRect(QPoint(0, 0), size), state);
        return canvas;
    }

    static bool Has(const QImage& image, const QRect& area, const QColor& color) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (image.pixel(x, y) == color.rgb()) {
                    return true;
                }
            }
        }
        return false;
    }

    std::unique_ptr<CImageMenu> images;
    QMenu* menu;
};

TEST_F(CImageMenuTest, ActionMenuEntriesTakeTheOutputToolBarImagesInOrder) {
    ASSERT_TRUE(images->LoadToolBarImages(136));
    images->MakeOwnerDraw(menu);
    std::vector<int> found;
    for (QAction* action : menu->actions()) {
        ASSERT_NE(images->ItemFor(action), nullptr);
        found.push_back(images->ItemFor(action)->image);
    }
    EXPECT_EQ(found, (std::vector<int>{0, 1, 2, ImageMenuItem::SeparatorKind, 3, 4}));
    EXPECT_EQ(images->ImageSize(), QSize(16, 15));
    EXPECT_EQ(images->ItemFor(Action(2))->text, "\x96\xbc\x91\x4f\x82\xf0\x95\x74\x82\xaf\x82\xc4"
                                                "\x95\xdb\x91\xb6(&S)...");
}

TEST_F(CImageMenuTest, MissingToolBarLeavesEntriesWithoutImages) {
    EXPECT_FALSE(images->LoadToolBarImages(999));
    images->MakeOwnerDraw(menu);
    EXPECT_EQ(images->ItemFor(Action(0))->image, -1);
    EXPECT_EQ(images->ImageSize(), QSize(20, 20));
}

TEST_F(CImageMenuTest, CommandsWithoutHandlerAreDisabled) {
    images->UpdateMenuStates(menu, [](int id) { return id != 103; });
    EXPECT_TRUE(Action(0)->isEnabled());
    EXPECT_FALSE(Action(1)->isEnabled());
    EXPECT_TRUE(Action(2)->isEnabled());
    EXPECT_TRUE(Action(5)->isEnabled());
    images->UpdateMenuStates(menu, {});
    EXPECT_FALSE(Action(0)->isEnabled());
}

TEST_F(CImageMenuTest, EntriesAreTwentyHighAndThirtySevenWiderThanTheirRawText) {
    ASSERT_TRUE(images->LoadToolBarImages(136));
    images->MakeOwnerDraw(menu);
    const QFontMetrics metrics(images->MenuFont());
    ASSERT_LE(metrics.height(), 20);
    const QString save = QStringLiteral("名前を付けて保存(&S)...");
    const auto size = images->MeasureMenuItem(Action(2));
    ASSERT_TRUE(size);
    EXPECT_EQ(*size, QSize(metrics.size(Qt::TextExpandTabs, save).width() + 37, 20));
    // The "&" is counted although it is drawn as an underline.
    EXPECT_GT(size->width() - 37,
              metrics.horizontalAdvance(QStringLiteral("名前を付けて保存(S)...")));
    EXPECT_EQ(images->MeasureMenuItem(Action(3)), QSize(10, 6));
}

TEST_F(CImageMenuTest, UnconvertedEntryIsNeitherMeasuredNorDrawn) {
    QAction other;
    EXPECT_FALSE(images->MeasureMenuItem(&other));
    QImage canvas(10, 10, QImage::Format_ARGB32);
    QPainter painter(&canvas);
    EXPECT_FALSE(images->DrawMenuItem(painter, &other, canvas.rect(), {}));
}

TEST_F(CImageMenuTest, HighlightedEntryRaisesItsImageOnTheMenuColour) {
    ASSERT_TRUE(images->LoadToolBarImages(136));
    images->MakeOwnerDraw(menu);
    const QImage entry = Draw(0, {.selected = true});
    EXPECT_EQ(entry.pixel(0, 0), Color(SystemColor::ButtonHighlight).rgb());
    EXPECT_EQ(entry.pixel(19, 19), Color(SystemColor::ButtonShadow).rgb());
    EXPECT_EQ(entry.pixel(1, 1), Color(SystemColor::Menu).rgb());
    EXPECT_EQ(entry.pixel(20, 10), Color(SystemColor::Menu).rgb());
    EXPECT_EQ(entry.pixel(21, 1), Color(SystemColor::Highlight).rgb());
    EXPECT_EQ(entry.pixel(139, 19), Color(SystemColor::Highlight).rgb());
}

TEST_F(CImageMenuTest, HighlightedEntryWithoutImageIsHighlightedAcrossItsWidth) {
    menu->addAction(QStringLiteral("ヘルプ"))->setData(57670);
    ASSERT_TRUE(images->LoadToolBarImages(136));
    images->MakeOwnerDraw(menu);
    const QImage entry = Draw(6, {.selected = true});
    EXPECT_EQ(entry.pixel(0, 0), Color(SystemColor::Highlight).rgb());
    EXPECT_EQ(entry.pixel(10, 10), Color(SystemColor::Highlight).rgb());
}

TEST_F(CImageMenuTest, DisabledEntryIsEmbossedAndEtched) {
    ASSERT_TRUE(images->LoadToolBarImages(136));
    images->MakeOwnerDraw(menu);
    const QImage entry = Draw(1, {.disabled = true});
    const QRect image(2, 2, 17, 16);
    EXPECT_TRUE(Has(entry, image, Color(SystemColor::ButtonShadow)));
    EXPECT_FALSE(Has(entry, image, Qt::black)) << "the picture's own colours are gone";
    EXPECT_EQ(entry.pixel(0, 0), Color(SystemColor::Menu).rgb()) << "not raised";
    const QRect text(22, 0, 100, 20);
    EXPECT_TRUE(Has(entry, text, Color(SystemColor::GrayText)));
    EXPECT_TRUE(Has(entry, text, Color(SystemColor::ButtonHighlight)));
    EXPECT_FALSE(Has(entry, text, Color(SystemColor::MenuText)));
}

TEST_F(CImageMenuTest, EnabledEntryShowsItsPictureInColour) {
    ASSERT_TRUE(images->LoadToolBarImages(136));
    images->MakeOwnerDraw(menu);
    const QImage save = Draw(2, {});
    // The save image is a navy floppy disk.
    EXPECT_TRUE(Has(save, QRect(2, 2, 16, 15), QColor(0, 0, 128)));
    EXPECT_TRUE(Has(save, QRect(22, 0, 100, 20), Color(SystemColor::MenuText)));
}

TEST_F(CImageMenuTest, SeparatorIsEtchedWithoutBackground) {
    images->MakeOwnerDraw(menu);
    const QImage line = Draw(3, {}, {100, 6});
    EXPECT_EQ(line.pixel(2, 2), Color(SystemColor::ButtonShadow).rgb());
    EXPECT_EQ(line.pixel(97, 3), Color(SystemColor::ButtonHighlight).rgb());
    EXPECT_EQ(line.pixel(98, 2), qRgb(0, 0, 0));
    EXPECT_EQ(line.pixel(50, 0), qRgb(0, 0, 0));
}

TEST_F(CImageMenuTest, ShownMenuUsesTheMeasuredRowsAndHighlightsOnlyTheText) {
    ASSERT_TRUE(images->LoadToolBarImages(136));
    images->MakeOwnerDraw(menu);
    menu->popup(QPoint(0, 0));
    menu->setActiveAction(Action(0));
    EXPECT_EQ(menu->actionGeometry(Action(0)).height(), 20);
    EXPECT_EQ(menu->actionGeometry(Action(3)).height(), 6);
    const QRect copy = menu->actionGeometry(Action(0));
    const QImage shown = menu->grab().toImage();
    EXPECT_EQ(shown.pixel(copy.left() + 30, copy.top() + 1), Color(SystemColor::Highlight).rgb());
    EXPECT_NE(shown.pixel(copy.left() + 1, copy.top() + 1), Color(SystemColor::Highlight).rgb());
    menu->hide();
}

TEST_F(CImageMenuTest, MenuOutlivingTheImageMenuGoesBackToItsOwnStyle) {
    images->MakeOwnerDraw(menu);
    const QStyle* converted = menu->style();
    images.reset();
    EXPECT_NE(menu->style(), converted);
    EXPECT_FALSE(menu->grab().isNull());
}

TEST_F(CImageMenuTest, SubmenuStaysReachableAndIsConvertedToo) {
    QMenu* more = menu->addMenu(QStringLiteral("その他"));
    more->addAction(QStringLiteral("クリア(&A)"))->setData(57687);
    ASSERT_TRUE(images->LoadToolBarImages(136));
    images->MakeOwnerDraw(menu);
    QAction* entry = menu->actions().last();
    EXPECT_EQ(entry->menu(), more);
    EXPECT_EQ(images->ItemFor(entry)->kind, ImageMenuItem::SubmenuKind);
    EXPECT_EQ(images->ItemFor(more->actions().at(0))->image, 4);
}

TEST_F(CImageMenuTest, DeletedActionForgetsItsEntry) {
    images->MakeOwnerDraw(menu);
    QAction* clear = Action(5);
    delete clear;
    EXPECT_EQ(images->ItemFor(clear), nullptr);
}

} // namespace
} // namespace quillet
