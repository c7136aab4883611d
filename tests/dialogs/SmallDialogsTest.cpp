// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include "dialogs/AboutDlg.h"
#include "dialogs/QuickHelpDlg.h"
#include "dialogs/SponsorDlg.h"
#include "support/SettingsFixture.h"

namespace {

// Stands in for the browser: records every address the desktop is asked to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void Open(const QUrl& url) { opened.append(url); }
};

using SmallDialogsTest = SettingsFixture;

QStringList LabelTexts(const QWidget& parent) {
    QStringList texts;
    for (const QLabel* label : parent.findChildren<QLabel*>()) texts.append(label->text());
    return texts;
}

}  // namespace

// Where dialogs reopen is the placement test's; the Sponsor's is checked with
// its drag below.
TEST_F(SmallDialogsTest, AboutShowsTheVersionAndOpensTheAddressInTheBrowser) {
    UrlCatcher catcher;
    const QUrl address(CAboutDlg::MakerAddress());
    ASSERT_TRUE(address.isValid());
    QDesktopServices::setUrlHandler(address.scheme(), &catcher, "Open");
    {
        CAboutDlg dialog(settings);
        dialog.show();
        EXPECT_TRUE(LabelTexts(dialog).contains("Calendar Version 1.0"));
        auto* link = dialog.findChild<QPushButton*>("makerLink");
        ASSERT_NE(link, nullptr);
        EXPECT_EQ(link->text(), address.toString());
        QTest::mouseClick(link, Qt::LeftButton);
        EXPECT_EQ(catcher.opened, QList<QUrl>{address});
        EXPECT_TRUE(dialog.isVisible());
    }
    QDesktopServices::unsetUrlHandler(address.scheme());
}

TEST_F(SmallDialogsTest, QuickHelpShowsEveryKeyAndMeaning) {
    CQuickHelpDlg dialog(settings);
    EXPECT_EQ(dialog.windowTitle(), "Quick Help");
    const QStringList shown = LabelTexts(dialog);
    for (const QString& line : CQuickHelpDlg::KeyLines()) {
        const QStringList parts = line.split('\t');
        EXPECT_TRUE(shown.contains(parts[0]) && shown.contains(parts[1])) << line.toStdString();
    }
    EXPECT_TRUE(shown.contains("Alt + Up") && shown.contains("Always On Top"));
    EXPECT_TRUE(shown.contains("Ctrl + arrow keys") && shown.contains("Scroll the page"));
}

// The name red and the town yellow over the banner; a press anywhere on its
// face drags it, and it reopens where it was left.
TEST_F(SmallDialogsTest, SponsorIsCaptionlessColouredDraggedByItsFaceAndReopensThere) {
    {
        CSponsorDlg dialog(settings);
        EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
        EXPECT_EQ(dialog.size(), QSize(166, 628));
        dialog.move(200, 100);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        const QImage face = dialog.grab().toImage();
        auto* name = dialog.findChild<QLabel*>("sponsorName");
        auto* town = dialog.findChild<QLabel*>("sponsorTown");
        ASSERT_TRUE(name && town);
        EXPECT_EQ(name->text(), CSettingsHelper::GetBuiltIn("sponsor"));
        auto hasColour = [&face](const QRect& box, QColor colour) {
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x)
                    if (face.pixelColor(x, y) == colour)
                        return true;
            return false;
        };
        EXPECT_TRUE(hasColour(name->geometry(), QColor(255, 0, 0)));
        EXPECT_TRUE(hasColour(town->geometry(), QColor(255, 255, 0)));
        const QPoint start = dialog.pos();
        QTest::mousePress(&dialog, Qt::LeftButton, {}, QPoint(80, 300));
        QTest::mouseMove(&dialog, QPoint(110, 340));
        QTest::mouseRelease(&dialog, Qt::LeftButton, {}, QPoint(110, 340));
        EXPECT_EQ(dialog.pos(), start + QPoint(30, 40));
        QTest::mouseClick(dialog.findChild<QPushButton*>("okButton"), Qt::LeftButton);
    }
    EXPECT_EQ(CSponsorDlg(settings).pos(), QPoint(230, 140));
}

#include "SmallDialogsTest.moc"
