// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QComboBox>

#include "dialogs/FindDlg.h"
#include "support/FakeDateOrder.h"
#include "support/FakePrompts.h"
#include "support/SettingsFixture.h"
#include "support/WidgetDriver.h"

namespace {
class FindDlgTest : public SettingsFixture {
protected:
    void SetUp() override { dialog.show(); }
    QComboBox* Combo() { return d.Find<QComboBox>("lookInCombo"); }

    FakeDateOrder dateOrder;
    FakePrompts prompts;
    CFindDlg dialog{settings, dateOrder, prompts};
    WidgetDriver d{dialog};
};

// Only a date is checked; a typed name of no field searches the message.
TEST_F(FindDlgTest, OffersTheThreeFieldsAndValidatesOnlyADate) {
    ASSERT_EQ(Combo()->count(), 3);
    EXPECT_EQ(Combo()->itemText(2), QStringLiteral("Tune To Play"));
    dialog.SetLookInIndex(2);
    d.Type("findWhatEdit", QStringLiteral("32/12/2007"));
    d.Click("findNextButton");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.LookInIndex(), 2);
    dialog.show();
    dialog.SetLookInIndex(0);
    d.Click("findNextButton");
    EXPECT_EQ(prompts.Shown().filter(QStringLiteral("Error!: ")).size(), 1);
    EXPECT_TRUE(dialog.isVisible());
    Combo()->lineEdit()->clear();
    QTest::keyClicks(Combo()->lineEdit(), QStringLiteral("Anywhere"));
    d.Click("findNextButton");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.LookInIndex(), 1);
    EXPECT_EQ(dialog.SearchText(), QStringLiteral("32/12/2007"));
}
}  // namespace
