// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMenuBar>
#include <QProcess>
#include <QTest>

#include "app/CalDocTemplate.h"
#include "app/MainFrame.h"
#include "view/ViewFixture.h"

// The window modes as a window manager carries them out, driven by a real
// pointer (xdotool) rather than by events handed to the widgets.
namespace {
// Every wait is for a condition, however loaded the machine; a minute without
// it is a fault anywhere.
bool WaitFor(const std::function<bool()>& done) {
    return QTest::qWaitFor(done, 60000);
}

// Runs xdotool while the event loop goes on, as the pointer's events need.
void Pointer(const QStringList& arguments) {
    QProcess xdotool;
    xdotool.start("xdotool", arguments);
    // Its end is seen by the event loop, so asked of the state: waitForFinished
    // says false once the loop has taken the end.
    WaitFor([&] { return xdotool.state() == QProcess::NotRunning; });
}

// A manager marks a window it has placed and mapped with WM_STATE Normal; its
// exposure comes after the placing, so Qt then knows where it is.
bool Managed(const QWidget* window) {
    QProcess xprop;
    xprop.start("xprop", {"-id", QString::number(window->winId()), "WM_STATE"});
    return window->windowHandle()->isExposed() && xprop.waitForFinished() &&
           xprop.readAll().contains("Normal");
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
        WaitFor([this] { return Managed(Frame()); });
    }
    CMainFrame* Frame() const { return docTemplate.Frame(); }
    // A point of empty calendar space: the page is centred, its corner is empty.
    QPoint EmptySpace() const { return docTemplate.View()->viewport()->mapToGlobal(QPoint(4, 4)); }
    bool MenuShown() const { return !Frame()->menuBar()->isHidden(); }
    void DoubleClick() {
        // A toggle shows the frame anew; the manager places it before the clicks.
        ASSERT_TRUE(WaitFor([this] { return Managed(Frame()); }));
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
                   (Frame()->frameGeometry().top() < Frame()->geometry().top()) == framed &&
                   Frame()->frameGeometry().topLeft() == corner;
        });
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
