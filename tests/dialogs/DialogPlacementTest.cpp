// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QTest>
#include <QWindow>
#include <functional>
#include <memory>

#include "dialogs/FindDlg.h"
#include "support/FakeDateOrder.h"
#include "support/FakePrompts.h"
#include "support/SettingsFixture.h"

// Where a dialog reopens when a real window manager frames it: every dialog
// keeps its place through the same two calls, so Find stands for all.
namespace {
// Waits until `done` holds or two seconds have passed, letting events run.
void WaitFor(const std::function<bool()>& done) {
    const QDeadlineTimer deadline(2000);
    while (!done() && !deadline.hasExpired()) QTest::qWait(20);
}

using DialogPlacementTest = SettingsFixture;

// Made anew and reopened as the same object, as the search loop reopens Find;
// each opening waits until the manager has framed it.
TEST_F(DialogPlacementTest, FindReopensWhereItWasClosed) {
    FakePrompts prompts;
    FakeDateOrder dateOrder;
    std::unique_ptr<CFindDlg> dialog;
    QList<QPoint> corners;
    for (int opening = 0; opening < 4; ++opening) {
        if (opening % 2 == 0)
            dialog = std::make_unique<CFindDlg>(settings, dateOrder, prompts);
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        WaitFor([&] { return dialog->frameGeometry().top() < dialog->geometry().top(); });
        if (opening == 0)
            dialog->move(300, 200);
        // The manager may place the frame first and move it after: a reopening
        // counts once it stands where it was closed, or when the wait gives up.
        WaitFor([&] { return dialog->pos() == QPoint(300, 200); });
        corners.append(dialog->pos());
        dialog->reject();
        WaitFor([&] { return !dialog->windowHandle()->isExposed(); });
    }
    EXPECT_EQ(corners, QList<QPoint>(4, QPoint(300, 200)));
}
}  // namespace
