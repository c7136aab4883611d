// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QTest>
#include <functional>
#include <memory>

#include "dialogs/FindDlg.h"
#include "dialogs/OptionsDlg.h"
#include "dialogs/QuickHelpDlg.h"
#include "support/FakeDateOrder.h"
#include "support/FakePrompts.h"
#include "support/RowName.h"
#include "support/SettingsFixture.h"

// Where dialogs reopen when a real window manager frames them.
namespace {
class DialogPlacementTest;

struct PlacedDialog {
    const char* name;
    std::function<std::unique_ptr<QDialog>(DialogPlacementTest&)> make;
    // Reopened as the same object, as the search loop reopens Find.
    bool reused = false;
};

// Waits until `done` holds or two seconds have passed, letting events run.
void WaitFor(const std::function<bool()>& done) {
    const QDeadlineTimer deadline(2000);
    while (!done() && !deadline.hasExpired()) QTest::qWait(20);
}

// Shown and framed: the manager has put its title bar around it.
void ShowFramed(QDialog& dialog) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    WaitFor([&] { return dialog.frameGeometry().top() < dialog.geometry().top(); });
    QTest::qWait(100);
}

class DialogPlacementTest : public SettingsFixture,
                            public ::testing::WithParamInterface<PlacedDialog> {
public:
    using SettingsFixture::settings;
    FakePrompts prompts;
    FakeDateOrder dateOrder;
};

INSTANTIATE_TEST_SUITE_P(Dialogs, DialogPlacementTest,
                         ::testing::Values(PlacedDialog{"Find",
                                                        [](DialogPlacementTest& s) {
                                                            return std::make_unique<CFindDlg>(
                                                                s.settings, s.dateOrder, s.prompts);
                                                        }},
                                           PlacedDialog{"FindReopened",
                                                        [](DialogPlacementTest& s) {
                                                            return std::make_unique<CFindDlg>(
                                                                s.settings, s.dateOrder, s.prompts);
                                                        },
                                                        true},
                                           PlacedDialog{"Options",
                                                        [](DialogPlacementTest& s) {
                                                            return std::make_unique<COptionsDlg>(
                                                                s.settings, s.prompts);
                                                        }},
                                           PlacedDialog{"QuickHelp",
                                                        [](DialogPlacementTest& s) {
                                                            return std::make_unique<CQuickHelpDlg>(
                                                                s.settings);
                                                        }}),
                         RowName());
}  // namespace

TEST_P(DialogPlacementTest, ReopensWhereItWasClosed) {
    std::unique_ptr<QDialog> dialog;
    QList<QPoint> corners;
    for (int opening = 0; opening < 4; ++opening) {
        if (!dialog || !GetParam().reused)
            dialog = GetParam().make(*this);
        ShowFramed(*dialog);
        if (opening == 0) {
            dialog->move(300, 200);
            WaitFor([&] { return dialog->pos() == QPoint(300, 200); });
        }
        corners.append(dialog->pos());
        dialog->reject();
        QTest::qWait(50);
    }
    EXPECT_EQ(corners, QList<QPoint>(4, QPoint(300, 200)));
}
