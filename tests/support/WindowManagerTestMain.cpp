// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>

#include "support/VirtualDisplay.h"

// Widget tests that need what only a real window manager does: frames
// around windows, their margins, and where the manager puts a window.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no display.
    if (::testing::GTEST_FLAG(list_tests)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        return RUN_ALL_TESTS();
    }
    CVirtualDisplay display;
    if (!display.Start()) {
        fprintf(stderr, "cannot start Xvfb with openbox: %s\n", qPrintable(display.Error()));
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("DISPLAY", display.Name().toLocal8Bit());
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
