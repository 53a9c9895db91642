#include "app/HelpPage.h"

#include "tests/app/MainDialogTestSupport.h"
#include "tests/support/ScopedEnvironment.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>

namespace quillet {
namespace {

class HelpPage : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_cache.isValid());
        ::setenv("XDG_CACHE_HOME", m_cache.path().toLocal8Bit().constData(), 1);
    }
    QTemporaryDir m_cache;
};

TEST_F(HelpPage, CopyIsTheShippedJapanesePageWhereABrowserCanReadIt) {
    const Result<QString> copy = WriteHelpCopy();
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy.Value(), m_cache.path() + "/quillet/help/index.html");
    QFile file(copy.Value());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(page.contains("<html lang=\"ja\">"));
    EXPECT_TRUE(page.contains("スクロール文字"));
}

// xdg-open is the only opener on the path; its exit code says whether a browser took the
// page (3: no browser found).
TEST_F(HelpPage, APageNoBrowserTakesIsNamedInAMessage) {
    for (const int exitCode : {3, 0}) {
        QTemporaryDir bin;
        QFile opener(bin.path() + "/xdg-open");
        ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
        opener.write("#!/bin/sh\nexit " + QByteArray::number(exitCode) + "\n");
        opener.close();
        opener.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        const test::ScopedEnvironment path("PATH", bin.path().toStdString());

        QWidget window;
        test::FakePrompts prompts;
        OpenHelpPage(window, prompts);
        EXPECT_TRUE(QTest::qWaitFor([&] { return window.findChild<QProcess*>() == nullptr; }));
        if (exitCode == 0) {
            EXPECT_TRUE(prompts.shown.empty());
        } else {
            ASSERT_EQ(prompts.shown.size(), 1U);
            EXPECT_TRUE(
                prompts.shown[0].first.contains(m_cache.path() + "/quillet/help/index.html"))
                << prompts.shown[0].first.toStdString();
        }
    }
}

} // namespace
} // namespace quillet
