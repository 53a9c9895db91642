#pragma once

#include "output/SplitButton.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

#include <gtest/gtest.h>

namespace quillet::test {

// Clicks the split button's arrow and runs `inspect` on the menu it opens.
inline void WhileSplitMenuIsOpen(QToolButton& split, const std::function<void(QMenu&)>& inspect) {
    // A timer of this scope: if no menu opens, it cannot fire into a later test.
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&inspect] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        inspect(*menu);
        menu->close();
    });
    timer.start(0);
    QTest::mouseClick(&split, Qt::LeftButton, {}, SplitArrowRect(split).center());
}

} // namespace quillet::test
