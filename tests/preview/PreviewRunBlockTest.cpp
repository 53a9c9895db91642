#include "core/Gradation.h"
#include "platform/TextCodec.h"
#include "preview/CPreviewRunBlock.h"
#include "preview/CPreviewWindow.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillet {
namespace {

// A character's left and right ends and its baseline, in the page's pixels.
struct Place {
    QString text;
    qreal left;
    qreal right;
    qreal baseline;
};

std::vector<Place> RichPlaces(QTextBrowser& block) {
    std::vector<Place> places;
    const QPoint corner = block.viewport()->mapTo(block.parentWidget(), QPoint(0, 0));
    for (QTextBlock paragraph = block.document()->begin(); paragraph.isValid();
         paragraph = paragraph.next()) {
        const QTextLayout& layout = *paragraph.layout();
        const QString text = paragraph.text();
        for (int at = 0; at < text.size(); ++at) {
            if (text[at].isSpace() || text[at].category() == QChar::Other_Format) {
                continue; // Qt keeps spaces a browser drops, and the mark; none draws anything
            }
            const QTextLine line = layout.lineForTextPosition(at);
            const QPointF origin = corner + layout.position();
            places.push_back({text.mid(at, 1), origin.x() + line.cursorToX(at),
                              origin.x() + line.cursorToX(at + 1),
                              origin.y() + line.y() + line.ascent()});
        }
    }
    return places;
}

std::vector<Place> DrawnPlaces(const CPreviewRunBlock& block) {
    std::vector<Place> places;
    const QPoint corner = block.mapTo(block.parentWidget(), QPoint(0, 0));
    for (const CPreviewRunBlock::PlacedCharacter& placed : block.Characters()) {
        if (placed.Text == u" ") {
            continue;
        }
        places.push_back({placed.Text, corner.x() + placed.Left, corner.x() + placed.Right,
                          corner.y() + placed.Baseline});
    }
    return places;
}

std::string Gradation(std::string_view text) {
    std::string out;
    AppendGradation(out, text, MakeRgb(255, 0, 0), MakeRgb(0, 0, 255), "\"");
    return out;
}

// Fragments are code page 932.
std::string Cp932(const char* utf8) {
    return ToCp932(QString::fromUtf8(utf8));
}

std::string Mixed(int characters) {
    QString text;
    for (int i = 0; i < characters; ++i) {
        text += i % 3 == 0 ? u'漢' : i % 3 == 1 ? u'a' : u'、';
    }
    return ToCp932(text);
}

// The preview draws plain text itself; with a left-to-right mark, which it leaves to Qt's
// bidirectional layout, the same text goes to Qt's rich text, whose lines are the measure:
// every character must stand where Qt would set it, and the block look the same.
TEST(PreviewRunBlock, SetsEveryCharacterWhereQtsRichTextWould) {
    const std::vector<std::string> fragments{
        Gradation(Mixed(150)),
        Cp932("<P Align=\"Center\">The quick brown fox jumps over the lazy dog again and "
              "again</P><P "
              "Align=\"Right\">右寄せの段落です。句読点、括弧（かっこ）も「ここ」で。</P>"),
        "<Font Size=\"1\">small</Font> <Font Size=\"7\">BIG</Font> <Font Size=\"3\">mid text "
        "and more</Font><Big>larger</Big>",
        Cp932("<B>bold</B> <I>italic</I> <Font Face=\"IPAGothic\">ゴシック abc</Font> "
              "<B><I>both</I></B>"),
        "Pneumonoultramicroscopicsilicovolcanoconiosis-and-more words",
        "  a  \n  b\t c  <Center>centred</Center>  end ",
        "<A Href=\"http://example.com/\">" +
            Gradation(Mixed(40) + " the quick brown fox jumps over the lazy dog") + "</A>",
        "<U>plain <Font Color=\"Red\">red words</Font> and more</U> after",
        "<S><U><Font Color=\"Red\">struck</Font></U></S> text",
        "<A Href=\"a\"><B>bold link</B> <I>italic link jumps</I></A> <I><A Href=\"b\">gjpq</A></I>",
        "<P Align=\"Right\"><Strike>struck right</Strike> <S>more <Font "
        "Color=\"Blue\">blue</Font></S></P>",
    };
    QWidget owner;
    for (const int width : {640, 150, 61}) {
        for (const std::string& fragment : fragments) {
            CPreviewWindow drawn(&owner);
            CPreviewWindow rich(&owner);
            for (CPreviewWindow* preview : {&drawn, &rich}) {
                preview->resize(width + 16, 600);
                preview->show();
            }
            drawn.SetFragment(fragment);
            // Inside the last paragraph, where it adds no line.
            std::string marked = fragment;
            marked.insert(marked.ends_with("</P>") ? marked.size() - 4 : marked.size(), "&#x200E;");
            rich.SetFragment(marked);
            const QList<QWidget*> drawnBlocks = drawn.Blocks();
            const QList<QWidget*> richBlocks = rich.Blocks();
            QCoreApplication::processEvents();
            ASSERT_EQ(drawnBlocks.size(), 1) << fragment;
            ASSERT_EQ(richBlocks.size(), 1) << fragment;
            auto* runs = qobject_cast<CPreviewRunBlock*>(drawnBlocks[0]);
            auto* text = qobject_cast<QTextBrowser*>(richBlocks[0]);
            ASSERT_NE(runs, nullptr) << fragment;
            ASSERT_NE(text, nullptr) << fragment;
            EXPECT_EQ(runs->height(), text->height()) << width << ": " << fragment;
            EXPECT_TRUE(runs->grab().toImage() == text->grab().toImage())
                << width << ": " << fragment;
            const std::vector<Place> expected = RichPlaces(*text);
            const std::vector<Place> actual = DrawnPlaces(*runs);
            ASSERT_EQ(actual.size(), expected.size()) << width << ": " << fragment;
            for (std::size_t at = 0; at < actual.size(); ++at) {
                const Place& want = expected[at];
                const Place& got = actual[at];
                ASSERT_EQ(got.text, want.text) << at;
                EXPECT_NEAR(got.left, want.left, 0.5) << width << " " << at << ": " << fragment;
                EXPECT_NEAR(got.right, want.right, 0.5) << width << " " << at << ": " << fragment;
                EXPECT_NEAR(got.baseline, want.baseline, 0.5)
                    << width << " " << at << ": " << fragment;
            }
        }
    }
}

// A browser keeps no-break and ideographic spaces as characters; only ASCII white space
// collapses. Assistive technology reads what is shown.
TEST(PreviewRunBlock, CollapsesOnlyAsciiWhiteSpaceAndReadsAsItsText) {
    QWidget owner;
    CPreviewWindow preview(&owner);
    preview.SetFragment(" a \t\n b&nbsp;&nbsp;c\x81\x40\x81\x40"
                        "d ");
    QWidget* block = preview.Blocks().value(0);
    const QString shown = QString::fromUtf8("a b\u00A0\u00A0c\u3000\u3000d");
    EXPECT_EQ(CPreviewWindow::TextOf(block), shown);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(block);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::StaticText);
    EXPECT_EQ(accessible->text(QAccessible::Name), shown);
}

// A link shows the pointing hand a rich text block shows over it, and its lines are measured.
TEST(PreviewRunBlock, PointsAtLinksAndTellsTheirLines) {
    QWidget owner;
    CPreviewWindow preview(&owner);
    preview.resize(400, 200);
    preview.show();
    preview.SetFragment("<A Href=\"x\">link</A> <S>plain</S>");
    auto* block = qobject_cast<CPreviewRunBlock*>(preview.Blocks().value(0));
    ASSERT_NE(block, nullptr);
    const std::vector<CPreviewRunBlock::PlacedCharacter> placed = block->Characters();
    ASSERT_EQ(placed.size(), 10u);
    EXPECT_EQ(placed[0].Underline, QColor(0x00, 0x00, 0xee));
    EXPECT_FALSE(placed[0].Strike.isValid());
    EXPECT_FALSE(placed[5].Underline.isValid());
    EXPECT_EQ(placed[5].Strike, QColor(Qt::black));
    QAccessibleTextInterface* read = QAccessible::queryAccessibleInterface(block)->textInterface();
    ASSERT_NE(read, nullptr);
    int start = 0;
    int end = 0;
    EXPECT_TRUE(read->attributes(1, &start, &end).contains(u"text-underline-color:#0000ee;"));
    EXPECT_TRUE(read->attributes(6, &start, &end).contains(u"text-line-through-color:#000000;"));
    EXPECT_EQ(start, 6);
    for (const auto& [x, pointing] :
         {std::pair{placed[1].Left + 1, true}, std::pair{placed[6].Left + 1, false}}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, placed[1].Baseline - 2),
                         block->mapToGlobal(QPointF(x, placed[1].Baseline - 2)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(block, &move);
        EXPECT_EQ(block->cursor().shape() == Qt::PointingHandCursor, pointing) << x;
    }
}

} // namespace
} // namespace quillet
