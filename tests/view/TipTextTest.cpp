// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QWidget>

#include "view/DayTip.h"
#include "view/core/TipText.h"

TEST(TipText, BackgroundFollowsTheMarkAndLongTextsAreCut) {
    const ColourRef entry = Rgb(255, 128, 128);
    const ColourRef holiday = Rgb(0, 255, 255);
    EXPECT_EQ(TipBackground(1, entry, holiday), entry);
    EXPECT_EQ(TipBackground(2, entry, holiday), holiday);
    EXPECT_EQ(TipBackground(3, entry, holiday), holiday);
    EXPECT_EQ(TipBackground(1, Rgb(0, 0, 0), holiday), Rgb(255, 255, 128));
    // Only true black is replaced; a near-black colour is the user's choice.
    EXPECT_EQ(TipBackground(2, entry, Rgb(1, 0, 0)), Rgb(1, 0, 0));
    // Long texts are cut to 79 characters, never inside a character.
    const QString eighty(80, QLatin1Char('x'));
    EXPECT_EQ(CutTipText(eighty), eighty.left(79));
    EXPECT_EQ(CutTipText(eighty.left(79)), eighty.left(79));
    // 78 letters, then a character outside the basic plane (two UTF-16 units).
    const QString astral =
        QString(78, QLatin1Char('a')) + QString::fromUtf8("\xF0\x9F\x8E\x82") + "b";
    EXPECT_EQ(CutTipText(astral), QString(78, QLatin1Char('a')));
}

TEST(DayTip, ShowsBlackTextOnTheGivenColourWrappedAt128Pixels) {
    QWidget owner;
    CDayTip tip(&owner);
    // The colour on which it shows is the view's click test's.
    tip.ShowTip("Dentist", Rgb(255, 128, 128), QPoint(40, 50));
    EXPECT_EQ(tip.palette().color(QPalette::WindowText), QColor(0, 0, 0));
    EXPECT_EQ(tip.pos(), QPoint(40, 50));
    const QSize shortSize = tip.size();
    tip.ShowTip("Dentist at nine, then the car to the garage, and pick up the cake",
                Rgb(0, 255, 255), {});
    EXPECT_EQ(tip.width(), 128 + 2 * 4);
    EXPECT_GT(tip.height(), 2 * shortSize.height()) << "several lines instead of a wider tip";
    tip.HideTip();
    EXPECT_FALSE(tip.isVisible());
}
