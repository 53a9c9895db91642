#include "app/HelpPage.h"

#include <QFile>
#include <QTemporaryDir>

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

} // namespace
} // namespace quillet
