#include "preview/CMarqueeView.h"
#include "preview/CPreviewTextBlock.h"
#include "preview/CPreviewWindow.h"
#include "tests/support/TemporaryFolder.h"

#include <QApplication>
#include <QImage>
#include <QScrollArea>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextLayout>
#include <QUrl>

#include <gtest/gtest.h>

namespace quillet {
namespace {

QImage Resource(QWidget* block, int index) {
    auto* text = qobject_cast<QTextBrowser*>(block);
    if (text == nullptr) {
        return {};
    }
    return text->document()
        ->resource(QTextDocument::ImageResource,
                   QUrl(QString::fromStdString(PreviewImageName(static_cast<std::size_t>(index)))))
        .value<QImage>();
}

TEST(PreviewWindow, ScrollingTextMovesOnlyWhileItIsShown) {
    QWidget owner;
    auto* preview = new CPreviewWindow(&owner);
    preview->SetFragment("<Marquee BgColor=\"Yellow\" Behavior=\"Slide\">moving</Marquee>still");
    const QList<QWidget*> blocks = preview->Blocks();
    ASSERT_EQ(blocks.size(), 2);
    auto* marquee = qobject_cast<CMarqueeView*>(blocks[0]);
    ASSERT_NE(marquee, nullptr);
    EXPECT_EQ(CPreviewWindow::TextOf(blocks[1]), "still");
    EXPECT_FALSE(marquee->IsMoving());

    preview->show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(marquee->IsMoving());
    // A slide enters from the right edge.
    EXPECT_EQ(marquee->Offset(), marquee->width());
    EXPECT_GT(marquee->Track().contentWidth, 0);

    preview->hide();
    EXPECT_FALSE(marquee->IsMoving());
    preview->show();
    EXPECT_TRUE(marquee->IsMoving());
    preview->close();
}

// What the window holds, without drawing a waiting fragment first as Blocks() would.
QString DrawnText(const CPreviewWindow& preview) {
    auto* page = preview.findChild<QScrollArea*>()->widget();
    const QList<QWidget*> blocks = page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    return blocks.isEmpty() ? QString() : CPreviewWindow::TextOf(blocks.first());
}

TEST(PreviewWindow, DrawsTheFirstFragmentAtOnceAndTheLastOfABurstWhenTheFrameEnds) {
    QWidget owner;
    CPreviewWindow preview(&owner);
    preview.SetFragment("first");
    EXPECT_EQ(DrawnText(preview), "first");
    for (int i = 0; i < 50; ++i) {
        preview.SetFragment("key " + std::to_string(i));
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return DrawnText(preview) == "key 49"; }, 5000));
}

TEST(PreviewWindow, ImagesComeFromTheSaveFolderOrShowTheirAddress) {
    const test::TemporaryFolder folder;
    QImage picture(7, 5, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(QString::fromStdString((folder / "pic.png").string())));
    QWidget owner;
    CPreviewWindow preview(&owner);
    preview.SetFragment("<Img Src=\"pic.png\"><Img Src=\"" + (folder / "pic.png").string() +
                        "\"><Img Src=\"" + (folder / "none.png").string() + "\">");
    ASSERT_EQ(preview.Blocks().size(), 1);
    // No save yet: a relative address leads nowhere.
    const QImage placeholder = MissingImagePicture(QStringLiteral("pic.png"), preview.font());
    EXPECT_EQ(Resource(preview.Blocks()[0], 0), placeholder);
    EXPECT_EQ(Resource(preview.Blocks()[0], 1).size(), QSize(7, 5));
    EXPECT_EQ(
        Resource(preview.Blocks()[0], 2).size(),
        MissingImagePicture(QString::fromStdString((folder / "none.png").string()), preview.font())
            .size());

    preview.SetImageFolder(QString::fromStdString(folder.Path().string()));
    EXPECT_EQ(Resource(preview.Blocks()[0], 0).size(), QSize(7, 5));
}

TEST(PreviewWindow, ALinkShowsButAClickLeadsNowhere) {
    QWidget owner;
    CPreviewWindow preview(&owner);
    // The mark leaves the link to Qt's rich text, whose anchors could navigate.
    preview.SetFragment("<A Href=\"http://example.com/\">link&#x200E;</A>");
    preview.show();
    auto* text = qobject_cast<QTextBrowser*>(preview.Blocks().value(0));
    ASSERT_NE(text, nullptr);
    const QString shown = text->toHtml();
    EXPECT_TRUE(shown.contains("href=\"http://example.com/\""));
    QTest::mouseClick(text->viewport(), Qt::LeftButton, {}, QPoint(8, 8));
    QCoreApplication::processEvents();
    EXPECT_EQ(text->toHtml(), shown);
    EXPECT_TRUE(text->source().isEmpty());
}

// What a browser draws that Qt's parser has no word for reaches the formats: a line's colour
// from the element that draws it, a baseline moved without smaller text.
TEST(PreviewWindow, FormatsCarryDecorationColoursAndMovedBaselines) {
    QWidget owner;
    CPreviewWindow preview(&owner);
    preview.resize(300, 120);
    preview.SetFragment("<S><U><Font Color=\"Red\">struck</Font></U></S><Sub>low</Sub>");
    preview.show();
    auto* text = dynamic_cast<CPreviewTextBlock*>(preview.Blocks().value(0));
    ASSERT_NE(text, nullptr);
    QCoreApplication::processEvents();
    QTextCursor cursor(text->document());
    cursor.setPosition(1);
    const QTextCharFormat struck = cursor.charFormat();
    EXPECT_EQ(struck.foreground().color(), QColor(Qt::red));
    EXPECT_EQ(struck.underlineColor(), QColor(Qt::black));
    EXPECT_TRUE(struck.fontStrikeOut());
    EXPECT_EQ(struck.property(kStrikeOutColorProperty).value<QColor>(), QColor(Qt::black));
    EXPECT_TRUE(struck.toolTip().isEmpty());
    cursor.setPosition(8);
    EXPECT_LT(cursor.charFormat().baselineOffset(), 0);
    EXPECT_DOUBLE_EQ(cursor.charFormat().fontPointSize(), 10);

    // The strike-through line over the red text is black.
    const QImage drawn = text->grab().toImage();
    const int right = static_cast<int>(text->document()->begin().layout()->lineAt(0).cursorToX(6));
    int blackRows = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        int black = 0;
        for (int x = 0; x < right; ++x) {
            black += qGray(drawn.pixel(x, y)) < 64 ? 1 : 0;
        }
        blackRows += black > right * 3 / 4 ? 1 : 0;
    }
    EXPECT_GE(blackRows, 2) << "underline and strike-through both black";
}

} // namespace
} // namespace quillet
