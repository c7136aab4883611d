#include <gtest/gtest.h>

#include <QWidget>

#include "view/DayTip.h"
#include "view/core/TipText.h"

TEST(DayTip, ShowsBlackTextOnTheGivenColourWithMargins) {
    QWidget owner;
    CDayTip tip(&owner);
    tip.ShowTip("Dentist", Rgb(255, 128, 128), QPoint(40, 50));
    EXPECT_TRUE(tip.isVisible());
    EXPECT_EQ(tip.text(), "Dentist");
    EXPECT_EQ(tip.palette().color(QPalette::Window), QColor(255, 128, 128));
    EXPECT_EQ(tip.palette().color(QPalette::WindowText), QColor(0, 0, 0));
    EXPECT_EQ(tip.margin(), 4);
    EXPECT_EQ(tip.pos(), QPoint(40, 50));
    tip.HideTip();
    EXPECT_FALSE(tip.isVisible());
}

TEST(DayTip, LongTextsWrapAt128Pixels) {
    QWidget owner;
    CDayTip tip(&owner);
    const QString shortText = "Dentist";
    const QString longText = "Dentist at nine, then the car to the garage, and pick up the cake";
    tip.ShowTip(shortText, Rgb(0, 255, 255), QPoint(0, 0));
    const QSize shortSize = tip.size();
    tip.ShowTip(longText, Rgb(0, 255, 255), QPoint(0, 0));
    EXPECT_EQ(tip.width(), 128 + 2 * 4);
    EXPECT_LT(shortSize.width(), tip.width());
    // The long text takes several lines instead of a wider tip.
    EXPECT_GT(tip.height(), 2 * shortSize.height());
}
