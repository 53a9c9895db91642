#include "controls/DialogFont.h"

#include <QApplication>

#include <gtest/gtest.h>

// Every widget test runs in the program's own font, so that it measures what users see.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    quillet::UseDialogFont();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
