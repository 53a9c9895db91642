#include "core/ColorChoice.h"
#include "core/Gradation.h"
#include "preview/CPreviewWindow.h"

#include <QApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillet {
namespace {

std::string Gradation(std::string_view text, Rgb start = MakeRgb(255, 0, 0),
                      Rgb end = MakeRgb(0, 0, 255)) {
    std::string out;
    AppendGradation(out, text, start, end, "\"");
    return out;
}

std::string Linked(std::string_view inner) {
    return "<P Align=\"Right\"><A Href=\"http://example.com/\"><B>" + std::string(inner) +
           "</B></A></P>";
}

// Gradations of "漢a" repeated: long enough to wrap at the window's width.
std::string Mixed(int characters) {
    std::string text;
    for (int i = 0; i < characters; ++i) {
        text += i % 2 == 0 ? "漢" : "a";
    }
    return text;
}

struct EditSequence {
    const char* name;
    std::vector<std::string> fragments;
};

std::vector<EditSequence> Sequences() {
    return {
        {"typing at the end",
         {Gradation("ab"), Gradation("abc"), Gradation("abc漢"), Gradation(Mixed(80)),
          Gradation(Mixed(81)), Gradation(Mixed(300)), Gradation(Mixed(301))}},
        {"typing in the middle",
         {Gradation("abcdef"), Gradation("abcXdef"), Gradation("abcX def"),
          Gradation(Mixed(150) + "q" + Mixed(150))}},
        {"deleting",
         {Gradation(Mixed(301)), Gradation(Mixed(300)), Gradation("a b c"), Gradation("a c"),
          Gradation("ac"), Gradation("a"), Gradation("ab")}},
        {"changing colours",
         {Gradation(Mixed(40)), Gradation(Mixed(40), MakeRgb(0, 128, 0), MakeRgb(0, 0, 255)),
          Gradation(Mixed(40), MakeRgb(0, 128, 0), MakeRgb(0, 128, 0))}},
        {"switching page",
         {Gradation("page"), "<Font Color=\"ff0000\"><B>page</B></Font>",
          "<P Align=\"Center\">page</P>", "<A Href=\"x\">page</A>", Gradation("page")}},
        {"combining pages",
         {Gradation(Mixed(60)), Linked(Gradation(Mixed(60))), Linked(Gradation(Mixed(61))),
          Linked("<Font Size=\"5\">" + Gradation(Mixed(61)) + "</Font>"),
          "<P Align=\"Center\">" + Gradation(Mixed(61)) + "</P>", Gradation(Mixed(61))}},
        {"spaces, references and markup in the text",
         {Gradation("a<b>&amp; c"), Gradation("a<b>&amp; cd"), Gradation("a  b"), "x<Br>y",
          "x<Br>yz", "<U>under</U> <I>lined</I>", "<U>under</U> <I>lined!</I>"}},
    };
}

QImage Drawing(CPreviewWindow& preview) {
    preview.Blocks(); // draws a waiting fragment
    QCoreApplication::processEvents();
    return preview.grab().toImage();
}

// What a window shows after a run of edits is what a new window shows for the last text.
TEST(PreviewIncremental, EditsDrawWhatAFreshWindowDraws) {
    QWidget owner;
    for (const EditSequence& sequence : Sequences()) {
        CPreviewWindow edited(&owner);
        edited.resize(360, 420);
        edited.show();
        for (const std::string& fragment : sequence.fragments) {
            edited.SetFragment(fragment);
            CPreviewWindow fresh(&owner);
            fresh.resize(360, 420);
            fresh.show();
            fresh.SetFragment(fragment);
            const QImage expected = Drawing(fresh);
            EXPECT_TRUE(Drawing(edited) == expected) << sequence.name << ": " << fragment;
        }
    }
}

TEST(PreviewIncremental, AKeyKeepsTheTextBlockWindow) {
    QWidget owner;
    CPreviewWindow preview(&owner);
    preview.SetFragment(Gradation(Mixed(100)));
    QWidget* block = preview.Blocks().value(0);
    preview.SetFragment(Gradation(Mixed(101)));
    EXPECT_EQ(preview.Blocks().value(0), block);
}

} // namespace
} // namespace quillet
