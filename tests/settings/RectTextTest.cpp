#include <gtest/gtest.h>

#include <QRandomGenerator>

#include "settings/RectText.h"

TEST(RectText, FormatsFourPaddedFields) {
    EXPECT_EQ(FormatRectText({5, 20, 600, 480}), QStringLiteral("0005 0020 0600 0480"));
    EXPECT_EQ(FormatRectText({-8, -8, 1000, 700}), QStringLiteral("-008 -008 1000 0700"));
    EXPECT_EQ(FormatRectText({}), QStringLiteral("0000 0000 0000 0000"));
}

TEST(RectText, ReadsFixedPositions) {
    const RectValues r = ParseRectText(u"-008 -008 1000 0700");
    EXPECT_EQ(r.left, -8);
    EXPECT_EQ(r.top, -8);
    EXPECT_EQ(r.right, 1000);
    EXPECT_EQ(r.bottom, 700);
}

TEST(RectText, MalformedTextGivesWhatTheConversionFinds) {
    const RectValues shortText = ParseRectText(u"12");
    EXPECT_EQ(shortText.left, 12);
    EXPECT_EQ(shortText.top, 0);
    EXPECT_EQ(shortText.bottom, 0);
    const RectValues words = ParseRectText(u"left top right bottom");
    EXPECT_EQ(words.left, 0);
    EXPECT_EQ(words.right, 0);
    EXPECT_EQ(ParseRectText(u"").left, 0);
}

TEST(RectText, OutOfRangeCoordinatesAreClampedAndKeepTheLayout) {
    const QString text = FormatRectText({-5000, 20, 12000, 99999999});
    EXPECT_EQ(text, QStringLiteral("-999 0020 9999 9999"));
    const RectValues r = ParseRectText(text);
    EXPECT_EQ(r.left, -999);
    EXPECT_EQ(r.top, 20);
    EXPECT_EQ(r.right, 9999);
}

TEST(RectText, RandomRectanglesRoundTripWithinRange) {
    QRandomGenerator random(20261206);
    for (int i = 0; i < 20000; ++i) {
        RectValues in;
        in.left = static_cast<int>(random.bounded(-2000000, 2000000));
        in.top = static_cast<int>(random.bounded(-1200, 12000));
        in.right = static_cast<int>(random.bounded(-1200, 12000));
        in.bottom = static_cast<int>(random.generate());
        const QString text = FormatRectText(in);
        ASSERT_EQ(text.size(), 19) << text.toStdString();
        const RectValues out = ParseRectText(text);
        EXPECT_EQ(out.left, std::clamp(in.left, -999, 9999));
        EXPECT_EQ(out.top, std::clamp(in.top, -999, 9999));
        EXPECT_EQ(out.right, std::clamp(in.right, -999, 9999));
        EXPECT_EQ(out.bottom, std::clamp(in.bottom, -999, 9999));
    }
}

TEST(RectText, RandomTextNeverCrashesTheReader) {
    QRandomGenerator random(7);
    for (int i = 0; i < 20000; ++i) {
        QString text;
        const int length = static_cast<int>(random.bounded(0, 40));
        for (int c = 0; c < length; ++c)
            text += QChar(static_cast<char16_t>(random.bounded(1, 0x3000)));
        // Fields past the end of a short text read as 0, never from beyond it.
        const RectValues r = ParseRectText(text);
        if (text.size() <= 5) {
            EXPECT_EQ(r.top, 0);
        }
        if (text.size() <= 10) {
            EXPECT_EQ(r.right, 0);
        }
        if (text.size() <= 15) {
            EXPECT_EQ(r.bottom, 0);
        }
    }
}
