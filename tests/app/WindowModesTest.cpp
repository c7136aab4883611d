// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMenuBar>
#include <QProcess>
#include <QTest>

#include "app/CalDocTemplate.h"
#include "app/MainFrame.h"
#include "view/ViewFixture.h"

// The window modes as a window manager carries them out, driven by a real
// pointer (xdotool) rather than by events handed to the widgets.
namespace {
void WaitFor(const std::function<bool()>& done, int milliseconds = 3000) {
    const QDeadlineTimer deadline(milliseconds);
    while (!done() && !deadline.hasExpired()) QTest::qWait(20);
}

// Runs xdotool while the event loop goes on, as the pointer's events need.
void Pointer(const QStringList& arguments) {
    QProcess xdotool;
    xdotool.start("xdotool", arguments);
    WaitFor([&] { return xdotool.waitForFinished(10); }, 10000);
    QTest::qWait(300);
}

QStringList At(QPoint global, const QStringList& then) {
    return QStringList{"mousemove", "--sync", QString::number(global.x()),
                       QString::number(global.y())} +
           then;
}

class WindowModesTest : public ViewFixture {
protected:
    WindowModesTest() {
        docTemplate.OpenDocument();
        (void)QTest::qWaitForWindowExposed(Frame());
        QTest::qWait(300);
    }
    CMainFrame* Frame() const { return docTemplate.Frame(); }
    // A point of empty calendar space: the page is centred, its corner is empty.
    QPoint EmptySpace() const { return docTemplate.View()->viewport()->mapToGlobal(QPoint(4, 4)); }
    bool MenuShown() const { return !Frame()->menuBar()->isHidden(); }
    void DoubleClick() {
        // A toggle shows the frame anew; the manager places it before the clicks.
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Frame()));
        QTest::qWait(500);
        Pointer(At(EmptySpace(), {"click", "--repeat", "2", "--delay", "80", "1"}));
    }

    CCalDocTemplate docTemplate{store, settings, services};
};
}  // namespace

// The title bar comes with the menu and goes with it; the frame's corner stays.
TEST_F(WindowModesTest, EveryDoubleClickTogglesNoMenuAndTheFrameKeepsItsPlace) {
    ASSERT_FALSE(MenuShown()) << "a first start has no menu";
    const QPoint corner = Frame()->frameGeometry().topLeft();
    QList<bool> shown;
    QList<QPoint> corners;
    for (const bool framed : {true, false}) {
        DoubleClick();
        WaitFor([&] {
            return MenuShown() == framed &&
                   (Frame()->frameGeometry().top() < Frame()->geometry().top()) == framed;
        });
        QTest::qWait(300);
        shown.append(MenuShown());
        corners.append(Frame()->frameGeometry().topLeft());
    }
    EXPECT_EQ(shown, (QList<bool>{true, false}));
    EXPECT_EQ(corners, (QList<QPoint>{corner, corner}));
}

TEST_F(WindowModesTest, DraggingByEmptySpaceMovesTheWindow) {
    const QPoint start = Frame()->frameGeometry().topLeft();
    const QPoint press = EmptySpace();
    QStringList drag = At(press, {"mousedown", "1"});
    // A hand's pace: the window manager takes over the move after the first step.
    for (int step = 1; step <= 5; ++step)
        drag += At(press + QPoint(12 * step, 8 * step), {"sleep", "0.2"});
    drag += QStringList{"mouseup", "1"};
    Pointer(drag);
    WaitFor([&] { return Frame()->frameGeometry().topLeft() == start + QPoint(60, 40); });
    EXPECT_EQ(Frame()->frameGeometry().topLeft(), start + QPoint(60, 40));
}
