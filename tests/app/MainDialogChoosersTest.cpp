#include "MainDialogTestSupport.h"

#include "app/CColorSwatch.h"
#include "controls/CColorPopup.h"
#include "core/ColorPalette.h"
#include "platform/TextCodec.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"

#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include <filesystem>

namespace quillet::test {
namespace {

class MainDialogChoosersTest : public MainDialogTest {
protected:
    // Clicks the sample and, in the popup it opens, the swatch of one palette entry.
    void PickColor(int sampleId, int swatchId) {
        auto* sample = Find<CColorSwatch>(sampleId);
        const QPoint at(5, 4);
        QTest::mouseClick(sample, Qt::LeftButton, {}, at);
        QPointer<CColorPopup> popup = Dialog().findChild<CColorPopup*>();
        ASSERT_NE(popup, nullptr);
        EXPECT_EQ(popup->pos(), sample->mapToGlobal(at));
        QTest::mouseClick(popup->findChild<QWidget*>(QString::number(swatchId)), Qt::LeftButton);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(popup.isNull());
    }

    void ClickBrowse() { QTest::mouseClick(Find<QWidget>(1006), Qt::LeftButton); }

    TemporaryFolder m_home;
    ScopedEnvironment m_homeVariable{"HOME", m_home.Path().string()};
};

TEST_F(MainDialogChoosersTest, BrowsingTakesTitleAndAddressFromTheChosenShortcut) {
    std::filesystem::create_directory(m_home / "Favorites");
    const std::filesystem::path shortcut = m_home.Write(
        "Favorites/ニュース.2024.url", "[InternetShortcut]\r\nURL=http://example.com/n\r\n");
    m_prompts.openAnswer = QString::fromStdString(shortcut.string());
    Open();
    SelectTab(3);
    ClickBrowse();

    ASSERT_EQ(m_prompts.openRequests.size(), 1U);
    const FileRequest& request = m_prompts.openRequests[0];
    EXPECT_EQ(request.title, "リンク先の参照");
    EXPECT_EQ(request.filters, QStringList{"インターネット ショートカット (*.url)"});
    EXPECT_EQ(request.initialFolder, QString::fromStdString((m_home / "Favorites").string()));
    EXPECT_EQ(Find<QLineEdit>(1020)->text(), "ニュース.2024");
    EXPECT_EQ(Find<QLineEdit>(1021)->text(), "http://example.com/n");
    EXPECT_EQ(Fragment(), "<A Href=\"http://example.com/n\">ニュース.2024</A>");
}

TEST_F(MainDialogChoosersTest, CancelledBrowseKeepsTheFieldsAndNeedsNoFavoritesFolder) {
    Open();
    SelectTab(3);
    TypeMain("title");
    Find<QLineEdit>(1021)->setText("http://a/");
    const QString before = Fragment();
    ClickBrowse();

    ASSERT_EQ(m_prompts.openRequests.size(), 1U);
    EXPECT_TRUE(m_prompts.openRequests[0].initialFolder.isEmpty());
    EXPECT_EQ(Find<QLineEdit>(1020)->text(), "title");
    EXPECT_EQ(Find<QLineEdit>(1021)->text(), "http://a/");
    EXPECT_EQ(Fragment(), before);
}

TEST_F(MainDialogChoosersTest, APickedPictureIsAddressedFromTheSaveFolderWhenUnderIt) {
    const TemporaryFolder site;
    AppSettings settings = DefaultSettings();
    settings.SaveFolder = site.Path().string();
    StoreSettings(settings);
    const std::filesystem::path inside = site.Write("img/a.png", "");
    const std::filesystem::path outside = m_home.Write("b.svg", "");
    Open();
    SelectTab(5);
    EXPECT_TRUE(Find<QWidget>(1006)->isVisible());

    m_prompts.openAnswer = QString::fromStdString(inside.string());
    ClickBrowse();
    const FileRequest& request = m_prompts.openRequests.back();
    EXPECT_TRUE(request.filters[0].contains("*.webp")) << request.filters[0].toStdString();
    EXPECT_EQ(request.initialFolder, QString::fromStdString(site.Path().string()));
    EXPECT_EQ(Fragment(), "<Img Src=\"img/a.png\">");

    // The next pick starts where this one was.
    m_prompts.openAnswer = QString::fromStdString(outside.string());
    ClickBrowse();
    EXPECT_EQ(m_prompts.openRequests.back().initialFolder,
              QString::fromStdString((site / "img").string()));
    EXPECT_EQ(Find<QLineEdit>(1020)->text(), QString::fromStdString(outside.string()));
}

TEST_F(MainDialogChoosersTest, APickedColourGoesIntoTheSlotOfTheSampleAndThePage) {
    Open();
    TypeMain("ab");
    PickColor(1023, 1093); // 赤
    EXPECT_EQ(Fragment(), "<Font Color=\"Red\">ab</Font>");
    EXPECT_EQ(Find<CColorSwatch>(1023)->Color(), QColor(255, 0, 0));

    SelectTab(1);
    TypeMain("ab");
    const ComposerState& state = Dialog().Tags().State();
    const ColorChoice start = state.GradationStart;
    const QString before = Fragment();
    PickColor(1025, 1109); // 青
    EXPECT_EQ(state.GradationEnd, (ColorChoice{ToCp932("青"), MakeRgb(0, 0, 255)}));
    EXPECT_EQ(state.GradationStart, start);
    EXPECT_EQ(Find<CColorSwatch>(1025)->Color(), QColor(0, 0, 255));
    EXPECT_NE(Fragment(), before);
    EXPECT_EQ(state.FontColor.Value, MakeRgb(255, 0, 0));
}

} // namespace
} // namespace quillet::test
