#include "MainDialogTestSupport.h"

#include "app/CColorSwatch.h"
#include "app/CFontSampleView.h"
#include "controls/CTipToolBar.h"
#include "core/CommandIds.h"
#include "platform/TextCodec.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QTreeView>

#include <filesystem>
#include <fstream>
#include <tuple>

namespace quillet::test {
namespace {

TEST_F(MainDialogTest, FontPageAt400PixelsPlacesItsListsFromTheRightEdge) {
    AppSettings settings = DefaultSettings();
    settings.WindowWidth = 400;
    StoreSettings(settings);
    Open();
    EXPECT_EQ(Find<QWidget>(1014)->width(), 171);
    EXPECT_EQ(Find<QWidget>(1022)->geometry().topLeft(), QPoint(198, 120));
    EXPECT_EQ(Find<QWidget>(1022)->width(), 111);
    EXPECT_EQ(Find<QWidget>(1002)->size(), QSize(385, 132));
    EXPECT_EQ(Find<QWidget>(1001)->width(), 385);
    EXPECT_EQ(Find<QWidget>(140)->pos(), QPoint(312, 2));
    SelectTab(3);
    EXPECT_EQ(OuterHeight(), 215);
    EXPECT_EQ(Dialog().minimumHeight(), Dialog().maximumHeight());
}

// Dialog units convert with rounding: 9 units across are 15.75 pixels, 13 down 19.5.
TEST_F(MainDialogTest, TemplateControlsSitOnTheirRoundedPixels) {
    Open();
    EXPECT_EQ(Find<QWidget>(1008)->x(), 16);
    EXPECT_EQ(Find<QWidget>(1020)->geometry().topLeft(), QPoint(16, 75));
    EXPECT_EQ(Find<QWidget>(1020)->height(), 20);
    EXPECT_EQ(Find<QWidget>(1006)->size(), QSize(88, 23));
}

TEST_F(MainDialogTest, DropDownListsKeepTheirWidthButOpenWideEnoughForTheirItems) {
    Open();
    // A style whose lists open below the box, as wide as the box unless told otherwise.
    const std::unique_ptr<QStyle> style(QStyleFactory::create(QStringLiteral("Windows")));
    ASSERT_NE(style, nullptr);
    for (const auto& [page, id, longest] :
         {std::tuple{0, 1014, "標準フォント"}, {3, 1022, "ウィンドウをクリア"}}) {
        SelectTab(page);
        auto* list = Find<QComboBox>(id);
        list->setStyle(style.get());
        const int closedWidth = list->width();
        list->showPopup();
        EXPECT_GT(list->view()->viewport()->width(),
                  list->view()->fontMetrics().horizontalAdvance(QString::fromUtf8(longest)));
        list->hidePopup();
        EXPECT_EQ(list->width(), closedWidth);
        list->setStyle(nullptr);
    }
}

TEST_F(MainDialogTest, WideningTheWindowLaysThePageOutAgain) {
    Open();
    Dialog().resize(500 - 8, Dialog().height());
    QCoreApplication::processEvents();
    EXPECT_EQ(Find<QWidget>(1014)->width(), 271);
    EXPECT_EQ(Find<QWidget>(140)->x(), 412);
}

TEST_F(MainDialogTest, SymbolPageHeightIsRememberedAndNeverBelow200) {
    AppSettings settings = DefaultSettings();
    settings.TabPage = 6;
    settings.WindowHeight = 150;
    StoreSettings(settings);
    Open();
    EXPECT_EQ(OuterHeight(), 200);
    EXPECT_EQ(Dialog().minimumHeight() + 27, 200);

    Dialog().resize(Dialog().width(), 350 - 27);
    QCoreApplication::processEvents();
    EXPECT_EQ(Dialog().Settings().WindowHeight, 350);
    EXPECT_EQ(Find<QWidget>(1000)->height(), 350 - 128);

    SelectTab(0);
    EXPECT_EQ(OuterHeight(), 243);
    SelectTab(6);
    EXPECT_EQ(OuterHeight(), 350);
    SelectTab(0);
    Dialog().close();
    EXPECT_EQ(StoredSettings().WindowHeight, 350);
}

TEST_F(MainDialogTest, FirstStartWithoutSettingsOpensTheFontPageAtTheMinimumWidth) {
    Open();
    EXPECT_EQ(OuterWidth(), 290);
    EXPECT_EQ(OuterHeight(), 243);
    EXPECT_EQ(Dialog().CurrentPage(), 0);
    EXPECT_EQ(Find<CTipToolBar>(136)->CommandAt(0), CommandId::Copy);
    EXPECT_FALSE(Dialog().windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(Dialog().Tags().State().PageSelected,
              (std::array<bool, 7>{true, false, false, false, false, false, false}));
    EXPECT_EQ(Dialog().focusWidget(), Find<QLineEdit>(1020));
    auto* list = Find<QTreeView>(1000);
    EXPECT_EQ(list->columnWidth(0), 80);
    EXPECT_EQ(list->columnWidth(1), 60);
    EXPECT_EQ(list->columnWidth(2), 200);
    EXPECT_FALSE(SettingsFileExists());

    Dialog().close();
    const AppSettings stored = StoredSettings();
    EXPECT_EQ(stored.WindowWidth, 290);
    EXPECT_EQ(stored.WindowHeight, 200);
    EXPECT_EQ(stored.TabPage, 0);
    EXPECT_EQ(stored.TypeIndex, ToCp932("トランプ"));
    EXPECT_EQ(stored.ColumnContent, 200);
}

TEST_F(MainDialogTest, EscapeWritesNothingButTheCloseBoxWritesEverything) {
    Open();
    EXPECT_FALSE(StillRunsAfter([this] {
        SelectTab(3);
        QTest::keyClick(&Dialog(), Qt::Key_Escape);
    }));
    EXPECT_FALSE(Dialog().isVisible());
    EXPECT_FALSE(SettingsFileExists());

    Open();
    EXPECT_FALSE(StillRunsAfter([this] {
        SelectTab(3);
        Dialog().close();
    }));
    EXPECT_FALSE(Dialog().isVisible());
    EXPECT_EQ(StoredSettings().TabPage, 3);
}

TEST_F(MainDialogTest, APageOutsideTheTabsShowsTheFontPageWithNoPageSelected) {
    AppSettings settings = DefaultSettings();
    settings.TabPage = 9;
    settings.ToolBarIndex = 7;
    settings.WindowWidth = 100;
    StoreSettings(settings);
    Open();
    EXPECT_EQ(Dialog().CurrentPage(), 0);
    EXPECT_EQ(Dialog().Tags().State().PageSelected, (std::array<bool, 7>{}));
    EXPECT_EQ(Find<CFontSampleView>(1001)->Text(), "サンプル");
    EXPECT_EQ(Find<CTipToolBar>(136)->CommandAt(0), CommandId::Copy);
    EXPECT_EQ(OuterWidth(), 290);
    EXPECT_FALSE(Dialog().windowFlags() & Qt::WindowStaysOnTopHint);
    Dialog().close();
    EXPECT_EQ(StoredSettings().TabPage, 0);
    EXPECT_FALSE(StoredSettings().WindowTop);
}

TEST_F(MainDialogTest, StoredStayOnTopSourceWindowAndDefaultActionAreApplied) {
    AppSettings settings = DefaultSettings();
    settings.WindowTop = true;
    settings.WindowSource = true;
    settings.ToolBarIndex = 2;
    StoreSettings(settings);
    Open();
    EXPECT_TRUE(Dialog().windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(Find<CTipToolBar>(140)->IsCommandChecked(CommandId::SourceWindow));
    EXPECT_EQ(Find<CTipToolBar>(136)->CommandAt(0), CommandId::Save);
}

TEST_F(MainDialogTest, DamagedSizesAreKeptWithinWhatTheScreenAndTheListCanShow) {
    AppSettings settings = DefaultSettings();
    settings.WindowWidth = 1000000;
    settings.WindowHeight = 1000000;
    settings.TabPage = 6;
    settings.ColumnName = -40;
    settings.ColumnType = 70000;
    StoreSettings(settings);
    Open();
    const QRect screen = Dialog().screen()->availableGeometry();
    EXPECT_LE(OuterWidth(), std::max(290, screen.width()));
    EXPECT_LE(OuterHeight(), std::max(200, screen.height()));
    auto* list = Find<QTreeView>(1000);
    EXPECT_EQ(list->columnWidth(0), 80);
    EXPECT_EQ(list->columnWidth(1), 60);
}

TEST_F(MainDialogTest, AFailedSettingsWriteIsShownNotLost) {
    // A file where the settings folder should be: the folder cannot be made.
    std::ofstream(SettingsFilePath().parent_path()) << "in the way";
    Open();
    Dialog().close();
    ASSERT_EQ(m_prompts.shown.size(), 1U);
    EXPECT_TRUE(m_prompts.shown[0].first.startsWith("設定ファイル「"));
    EXPECT_TRUE(m_prompts.shown[0].first.contains("を作成できませんでした。\n"));
}

TEST_F(MainDialogTest, EnterWithDragAsTheDefaultDoesNothing) {
    AppSettings settings = DefaultSettings();
    settings.ToolBarIndex = 1;
    StoreSettings(settings);
    Open();
    TypeMain("abc");
    QTest::keyClick(Find<QWidget>(1020), Qt::Key_Return);
    EXPECT_TRUE(m_prompts.asked.empty());
    EXPECT_TRUE(m_prompts.saveRequests.empty());
    EXPECT_EQ(Find<CTipToolBar>(136)->CommandAt(0), CommandId::Drag);
    EXPECT_FALSE(Find<QWidget>(1017)->isVisible());
    EXPECT_TRUE(Dialog().isVisible());
}

TEST_F(MainDialogTest, WindowMenuHoldsCloseThePreviewAndTheAboutBox) {
    Open();
    const QList<QAction*> items = Dialog().WindowMenu()->actions();
    ASSERT_EQ(items.size(), 5);
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(items[2], Dialog().PreviewAction());
    EXPECT_EQ(items[3], Dialog().Html5Action());
    EXPECT_EQ(items[4]->text(), "バージョン情報(&A)...");
    items[4]->trigger();
    auto* about = Dialog().findChild<QDialog*>("aboutBox");
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    about->accept();

    items[0]->trigger();
    EXPECT_FALSE(Dialog().isVisible());
    EXPECT_TRUE(SettingsFileExists());
}

TEST_F(MainDialogTest, AltSpaceAndARightClickOnTheBackgroundOpenTheWindowMenu) {
    Open();
    QTest::keyClick(Find<QWidget>(1020), Qt::Key_Space, Qt::AltModifier);
    EXPECT_TRUE(Dialog().WindowMenu()->isVisible());
    Dialog().WindowMenu()->hide();

    const QPoint empty(Dialog().width() - 2, Dialog().height() - 2);
    ASSERT_EQ(Dialog().childAt(empty), nullptr);
    QContextMenuEvent click(QContextMenuEvent::Mouse, empty, Dialog().mapToGlobal(empty));
    QCoreApplication::sendEvent(&Dialog(), &click);
    EXPECT_TRUE(Dialog().WindowMenu()->isVisible());
    Dialog().WindowMenu()->hide();
    EXPECT_EQ(Find<QLineEdit>(1020)->text(), "");
}

TEST_F(MainDialogTest, ColorSampleFollowsThePageAndShowsTheColoursName) {
    Open();
    ComposerState& state = Dialog().Tags().State();
    state.FontColor = {ToCp932("赤"), MakeRgb(255, 0, 0)};
    state.MarqueeBgColor = {ToCp932("黄色"), MakeRgb(255, 255, 0)};
    Dialog().Tags().RebuildTag();
    auto* sample = Find<CColorSwatch>(1023);
    EXPECT_EQ(sample->Color(), QColor(255, 0, 0));
    EXPECT_EQ(sample->toolTip(), "赤");
    SelectTab(4);
    EXPECT_EQ(sample->Color(), QColor(255, 255, 0));
    EXPECT_EQ(sample->toolTip(), "黄色");
    EXPECT_EQ(sample->cursor().shape(), Qt::BitmapCursor);
}

} // namespace
} // namespace quillet::test
