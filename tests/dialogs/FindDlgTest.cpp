#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "dialogs/FindDlg.h"
#include "platform/SystemColours.h"
#include "settings/SettingsHelper.h"
#include "settings/SettingsStore.h"
#include "support/FakeDateOrder.h"
#include "support/FakePrompts.h"
#include "support/TempDir.h"

class FindDlgTest : public ::testing::Test {
protected:
    void SetUp() override { dialog.show(); }

    QComboBox* Combo() { return dialog.findChild<QComboBox*>(QStringLiteral("lookInCombo")); }
    QLineEdit* SearchEdit() { return dialog.findChild<QLineEdit*>(QStringLiteral("findWhatEdit")); }
    void FindNext() {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("findNextButton")),
                          Qt::LeftButton);
    }

    TempDir dir;
    CSettingsStore store{dir.SettingsFile()};
    CDefaultSystemColours colours;
    CSettingsHelper settings{store, colours};
    FakeDateOrder dateOrder;
    FakePrompts prompts;
    CFindDlg dialog{settings, dateOrder, prompts};
};

TEST_F(FindDlgTest, OffersTheThreeFieldsAndSelectsTheGivenOne) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Find"));
    ASSERT_EQ(Combo()->count(), 3);
    EXPECT_EQ(Combo()->itemText(0), QStringLiteral("Date"));
    EXPECT_EQ(Combo()->itemText(1), QStringLiteral("Message"));
    EXPECT_EQ(Combo()->itemText(2), QStringLiteral("Tune To Play"));
    dialog.SetLookInIndex(1);
    EXPECT_EQ(Combo()->currentText(), QStringLiteral("Message"));
    dialog.SetLookInIndex(5);
    EXPECT_EQ(Combo()->currentIndex(), -1);
}

TEST_F(FindDlgTest, ADateIsValidatedBeforeTheSearch) {
    dialog.SetLookInIndex(0);
    QTest::keyClicks(SearchEdit(), QStringLiteral("32/12/2007"));
    FindNext();
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].caption, QStringLiteral("Error!"));
    EXPECT_TRUE(dialog.isVisible());

    SearchEdit()->clear();
    QTest::keyClicks(SearchEdit(), QStringLiteral("25/12/2007"));
    FindNext();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.LookInIndex(), 0);
    EXPECT_EQ(dialog.SearchText(), QStringLiteral("25/12/2007"));
}

TEST_F(FindDlgTest, MessageAndTuneSearchesAreNotValidated) {
    dialog.SetLookInIndex(2);
    QTest::keyClicks(SearchEdit(), QStringLiteral("bell's"));
    FindNext();
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.LookInIndex(), 2);
}

TEST_F(FindDlgTest, TypedLookInTextThatNamesNoFieldSearchesTheMessage) {
    dialog.SetLookInIndex(0);
    Combo()->lineEdit()->clear();
    QTest::keyClicks(Combo()->lineEdit(), QStringLiteral("Anywhere"));
    QTest::keyClicks(SearchEdit(), QStringLiteral("dentist"));
    FindNext();
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.LookInIndex(), 1);
}

TEST_F(FindDlgTest, CancelRejects) {
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cancelButton")),
                      Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(FindDlgTest, ReopensWhereItWasLastClosed) {
    EXPECT_EQ(settings.ReadPlain(QStringLiteral("FindDialogRect")),
              QStringLiteral("0000 0000 0000 0000"));
    dialog.move(120, 45);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cancelButton")),
                      Qt::LeftButton);
    EXPECT_TRUE(settings.ReadPlain(QStringLiteral("FindDialogRect"))
                    .startsWith(QStringLiteral("0120 0045 ")));
    dialog.move(0, 0);
    dialog.show();
    EXPECT_EQ(dialog.pos(), QPoint(120, 45));
}
