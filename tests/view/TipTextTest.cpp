#include <gtest/gtest.h>

#include "view/core/TipText.h"

TEST(TipText, BackgroundFollowsTheMarkAndAvoidsBlack) {
    const ColourRef entry = Rgb(255, 128, 128);
    const ColourRef holiday = Rgb(0, 255, 255);
    EXPECT_EQ(TipBackground(1, entry, holiday), entry);
    EXPECT_EQ(TipBackground(2, entry, holiday), holiday);
    EXPECT_EQ(TipBackground(3, entry, holiday), holiday);
    EXPECT_EQ(TipBackground(1, Rgb(0, 0, 0), holiday), Rgb(255, 255, 128));
    EXPECT_EQ(TipBackground(3, entry, Rgb(0, 0, 0)), Rgb(255, 255, 128));
    // Only true black is replaced; a near-black colour is the user's choice.
    EXPECT_EQ(TipBackground(2, entry, Rgb(1, 0, 0)), Rgb(1, 0, 0));
}

TEST(TipText, LongTextsAreCutTo79Characters) {
    const QString eighty(80, QLatin1Char('x'));
    EXPECT_EQ(CutTipText(eighty), QString(79, QLatin1Char('x')));
    EXPECT_EQ(CutTipText(eighty.left(79)), eighty.left(79));
    EXPECT_EQ(CutTipText(QStringLiteral("Dentist")), QStringLiteral("Dentist"));
    EXPECT_EQ(CutTipText(QString()), QString());
}

TEST(TipText, CutNeverSplitsACharacterInTwo) {
    // 78 letters, then a character outside the basic plane (two UTF-16 units).
    const QString text =
        QString(78, QLatin1Char('a')) + QString::fromUtf8("\xF0\x9F\x8E\x82") + "b";
    const QString cut = CutTipText(text);
    EXPECT_EQ(cut, QString(78, QLatin1Char('a')));
    EXPECT_FALSE(cut.back().isHighSurrogate());
}
