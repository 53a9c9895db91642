#include "controls/FrameCoalescer.h"
#include "source/CSourceTextView.h"
#include "source/CSourceWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

namespace quillet {
namespace {

TEST(FrameCoalescer, RunsAtOnceAfterAQuietFrameAndFoldsFasterRequestsIntoOne) {
    int runs = 0;
    FrameCoalescer frames([&runs] { ++runs; });
    frames.SetFrameMilliseconds(60'000); // no frame ends during the test on its own
    frames.Request();
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(frames.IsPending());

    frames.Request();
    frames.Request();
    frames.Request();
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(frames.IsPending());
    frames.Flush();
    EXPECT_EQ(runs, 2);
    frames.Flush();
    EXPECT_EQ(runs, 2);
}

TEST(FrameCoalescer, AWaitingRunHappensWhenTheFrameEnds) {
    int runs = 0;
    FrameCoalescer frames([&runs] { ++runs; });
    frames.SetFrameMilliseconds(5);
    frames.Request();
    frames.Request();
    EXPECT_TRUE(QTest::qWaitFor([&frames] { return !frames.IsPending(); }, 5000));
    EXPECT_EQ(runs, 2);
}

// The last fragment of a burst is the one shown, and the view shows it in lines of its own
// width without changing the text that is copied out of it.
TEST(SourceWindow, ShowsTheLastFragmentWrappedAndCopiesItWithoutTheBreaks) {
    CSourceWindow window(nullptr);
    window.resize(200, 150);
    window.show();
    std::string fragment;
    for (int i = 0; i < 300; ++i) {
        fragment += "<b>" + std::to_string(i) + "</b>";
        window.SetFragment(fragment);
    }
    EXPECT_EQ(window.Text(), QString::fromStdString(fragment));

    auto* view = window.findChild<CSourceTextView*>();
    ASSERT_NE(view, nullptr);
    EXPECT_GT(view->document()->blockCount(), 10);
    EXPECT_EQ(view->document()->firstBlock().text().indexOf(QLatin1Char('\n')), -1);
    view->selectAll();
    view->copy();
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromStdString(fragment));

    window.resize(400, 150);
    QCoreApplication::processEvents();
    view->selectAll();
    view->copy();
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromStdString(fragment));
}

} // namespace
} // namespace quillet
