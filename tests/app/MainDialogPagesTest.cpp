#include "MainDialogTestSupport.h"

#include "app/CColorSwatch.h"
#include "app/CFontSampleView.h"
#include "app/CPageTabControl.h"
#include "core/CommandIds.h"
#include "platform/TextCodec.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QSlider>
#include <QTabBar>
#include <QTest>

namespace quillet::test {
namespace {

struct Typing {
    const char* name;
    int page;
    const char* text;
    const char* fragment;
};

class TypingOnAPage : public MainDialogTest, public ::testing::WithParamInterface<Typing> {};

TEST_P(TypingOnAPage, GivesThePagesFragment) {
    Open();
    SelectTab(GetParam().page);
    TypeMain(QString::fromUtf8(GetParam().text));
    EXPECT_EQ(Fragment(), QString::fromUtf8(GetParam().fragment));
}

INSTANTIATE_TEST_SUITE_P(Pages, TypingOnAPage,
                         ::testing::Values(Typing{"Font", 0, "abc", "abc"},
                                           Typing{"GradationOfOneCharacter", 1, "a", ""},
                                           Typing{"Paragraph", 2, "段落", "段落"},
                                           Typing{"Hyperlink", 3, "title", "title"},
                                           Typing{"Marquee", 4, "abc", "<Marquee>abc</Marquee>"},
                                           Typing{"Image", 5, "pic.gif", "<Img Src=\"pic.gif\">"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainDialogTest, ChoicesAndStylesOfTheFontPageWrapTheText) {
    Open();
    TypeMain("abc");
    Choose(1022, "5");
    Press(CommandId::Bold);
    EXPECT_EQ(Fragment(), "<B><Font Size=\"5\">abc</Font></B>");
    EXPECT_TRUE(Find<CFontSampleView>(1001)->SampleFont().bold());
    // Size 5 asks for a 23-pixel cell, not a 23-pixel em.
    const int cell = QFontMetrics(Find<CFontSampleView>(1001)->SampleFont()).height();
    EXPECT_LE(cell, 23);
    EXPECT_GE(cell, 21);
    Press(CommandId::Bold);
    EXPECT_EQ(Fragment(), "<Font Size=\"5\">abc</Font>");
}

TEST_F(MainDialogTest, GradationColoursEachCharacterFromStartToEnd) {
    Open();
    ComposerState& state = Dialog().Tags().State();
    state.GradationStart = {ToCp932("黒"), MakeRgb(0, 0, 0)};
    state.GradationEnd = {ToCp932("赤"), MakeRgb(255, 0, 0)};
    SelectTab(1);
    TypeMain("あい");
    EXPECT_EQ(Fragment(), "<Font Color=\"000000\">あ</Font><Font Color=\"ff0000\">い</Font>");
    EXPECT_EQ(Find<QWidget>(1024)->toolTip(), "黒");
    EXPECT_EQ(Find<QWidget>(1025)->toolTip(), "赤");
}

TEST_F(MainDialogTest, SpeedChangesWhenTheDragEndsNotWhileDragging) {
    Open();
    SelectTab(4);
    auto* slider = Find<QSlider>(1007);
    slider->setSliderDown(true);
    slider->setValue(20);
    EXPECT_EQ(Dialog().Tags().State().MarqueeSpeed, 6);
    slider->setSliderDown(false);
    EXPECT_EQ(Dialog().Tags().State().MarqueeSpeed, 20);
    QTest::keyClick(slider, Qt::Key_PageUp);
    EXPECT_EQ(Dialog().Tags().State().MarqueeSpeed, 26);
    EXPECT_EQ(Find<QWidget>(1009)->property("text").toString(), "26ドット/秒");
}

TEST_F(MainDialogTest, SwitchingPagesKeepsEachPagesText) {
    Open();
    TypeMain("font");
    SelectTab(5);
    EXPECT_EQ(Find<QLineEdit>(1020)->text(), "");
    TypeMain("a.png");
    SelectTab(0);
    EXPECT_EQ(Find<QLineEdit>(1020)->text(), "font");
    EXPECT_EQ(Fragment(), "font");
    SelectTab(5);
    EXPECT_EQ(Find<QLineEdit>(1020)->text(), "a.png");
}

TEST_F(MainDialogTest, EachPageShowsItsLabelsAndHidesTheOtherControls) {
    Open();
    SelectTab(3);
    EXPECT_EQ(Dialog().windowTitle(), "Quillet - ハイパーリンク");
    EXPECT_EQ(Find<QWidget>(1008)->property("text").toString(), "タイトル(&T) :");
    EXPECT_TRUE(Find<QWidget>(1021)->isVisible());
    EXPECT_TRUE(Find<QWidget>(1006)->isVisible());
    EXPECT_FALSE(Find<QWidget>(1014)->isVisible());
    EXPECT_FALSE(Find<QWidget>(1001)->isVisible());
    EXPECT_EQ(Find<QComboBox>(1022)->count(), 3);
    EXPECT_EQ(Find<QComboBox>(1022)->currentText(), "同じウィンドウ");

    SelectTab(6);
    EXPECT_EQ(Find<QWidget>(1008)->property("text").toString(), "　　 種類(&K) :");
    EXPECT_FALSE(Find<QWidget>(1020)->isVisible());
    EXPECT_TRUE(Find<QWidget>(1000)->isVisible());
    EXPECT_EQ(Find<QComboBox>(1022)->currentText(), "トランプ");
}

TEST_F(MainDialogTest, MultiSelectOnTheFontPageCombinesTheParagraph) {
    Open();
    TypeMain("abc");
    SelectTab(2);
    Press(CommandId::AlignCenter);
    SelectTab(0);

    RightClickTab(2);
    EXPECT_EQ(Dialog().windowTitle(), "Quillet - フォント[複数選択]");
    EXPECT_EQ(Dialog().Marks().Tab(0), (TabLook{7, true}));
    EXPECT_EQ(Dialog().Marks().Tab(2), (TabLook{9, false}));
    EXPECT_EQ(Dialog().Marks().Tab(5), (TabLook{19, false}));
    EXPECT_EQ(Dialog().Marks().Tab(6), (TabLook{20, false}));
    EXPECT_EQ(Fragment(), "<P Align=\"Center\">abc</P>");
    QTabBar* bar = Find<CPageTabControl>(1002)->Bar();
    EXPECT_EQ(bar->tabText(0), "フォント");
    EXPECT_EQ(bar->tabText(2), "");

    RightClickTab(2);
    EXPECT_EQ(Dialog().Marks().Tab(2), (TabLook{2, false}));
    EXPECT_EQ(Fragment(), "abc");

    RightClickTab(2);
    ClickCurrentTab();
    EXPECT_EQ(Dialog().windowTitle(), "Quillet - フォント");
    EXPECT_FALSE(Dialog().Tags().State().MultiSelect);
    EXPECT_EQ(Dialog().Marks().Tab(5), (TabLook{5, false}));
    EXPECT_EQ(Fragment(), "abc");
}

TEST_F(MainDialogTest, RightClickingAnIncompatibleTabEntersMultiSelectWithoutIncludingIt) {
    Open();
    SelectTab(5);
    RightClickTab(0);
    const ComposerState& state = Dialog().Tags().State();
    EXPECT_TRUE(state.MultiSelect);
    EXPECT_FALSE(state.PageSelected[0]);
    EXPECT_EQ(Dialog().Marks().Tab(0), (TabLook{14, false}));
    EXPECT_TRUE(Dialog().windowTitle().endsWith("[複数選択]"));
}

TEST_F(MainDialogTest, RightClickOnThePageAreaEntersMultiSelectWithNoPage) {
    Open();
    auto* tabs = Find<CPageTabControl>(1002);
    QWidget* area = tabs->findChild<QWidget*>("pageArea");
    QTest::mouseClick(area, Qt::RightButton, {}, area->rect().center());
    EXPECT_TRUE(Dialog().Tags().State().MultiSelect);
    EXPECT_EQ(Dialog().Tags().State().PageSelected,
              (std::array<bool, 7>{true, false, false, false, false, false, false}));
    EXPECT_EQ(Dialog().windowTitle(), "Quillet - フォント[複数選択]");
}

// fonts-urw-base35 installs C059 from two foundries.
TEST_F(MainDialogTest, FaceListStartsWithTheStandardFontAndNamesFamiliesPlainlyOnce) {
    Open();
    auto* faces = Find<QComboBox>(1014);
    ASSERT_GT(faces->count(), 1);
    EXPECT_EQ(faces->itemText(0), "標準フォント");
    EXPECT_EQ(faces->currentIndex(), 0);
    QStringList names;
    for (int i = 0; i < faces->count(); ++i) {
        names << faces->itemText(i);
        EXPECT_FALSE(faces->itemText(i).startsWith('@'));
        EXPECT_FALSE(faces->itemText(i).endsWith(']')) << faces->itemText(i).toStdString();
    }
    EXPECT_FALSE(names.contains("Sans Serif") || names.contains("Monospace"));
    ASSERT_EQ(names.count("C059"), 1);
    TypeMain("x");
    Choose(1014, "C059");
    EXPECT_EQ(Fragment(), "<Font Face=\"C059\">x</Font>");
}

} // namespace
} // namespace quillet::test
