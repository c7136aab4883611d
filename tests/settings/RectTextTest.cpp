// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QRandomGenerator>

#include "settings/RectText.h"
#include "support/RowName.h"

namespace {
struct RectRow {
    const char* name;
    RectValues rect;
    const char* text;
    RectValues readBack;
};

class RectTextTable : public ::testing::TestWithParam<RectRow> {};

TEST_P(RectTextTable, FormatsAndReadsBack) {
    const RectRow& r = GetParam();
    EXPECT_EQ(FormatRectText(r.rect), QLatin1String(r.text));
    const RectValues back = ParseRectText(QString::fromLatin1(r.text));
    EXPECT_TRUE(back.left == r.readBack.left && back.top == r.readBack.top &&
                back.right == r.readBack.right && back.bottom == r.readBack.bottom);
}

INSTANTIATE_TEST_SUITE_P(
    RectText, RectTextTable,
    ::testing::Values(
        RectRow{"Padded", {5, 20, 600, 480}, "0005 0020 0600 0480", {5, 20, 600, 480}},
        RectRow{"Negative", {-8, -8, 1000, 700}, "-008 -008 1000 0700", {-8, -8, 1000, 700}},
        RectRow{"Clamped",
                {-5000, 20, 12000, 99999999},
                "-999 0020 9999 9999",
                {-999, 20, 9999, 9999}}),
    RowName());

// Random rectangles read back within range; fields past the end of a short or
// malformed random text read as 0, never from beyond it.
TEST(RectText, RandomRectanglesRoundTripAndRandomTextNeverReadsPastItsEnd) {
    QRandomGenerator random(20261206);
    for (int i = 0; i < 20000; ++i) {
        const RectValues in{static_cast<int>(random.bounded(-2000000, 2000000)),
                            static_cast<int>(random.bounded(-1200, 12000)),
                            static_cast<int>(random.bounded(-1200, 12000)),
                            static_cast<int>(random.generate())};
        const QString text = FormatRectText(in);
        ASSERT_EQ(text.size(), 19) << text.toStdString();
        const RectValues out = ParseRectText(text);
        ASSERT_EQ(out.left, std::clamp(in.left, -999, 9999));
        ASSERT_EQ(out.top, std::clamp(in.top, -999, 9999));
        ASSERT_EQ(out.right, std::clamp(in.right, -999, 9999));
        ASSERT_EQ(out.bottom, std::clamp(in.bottom, -999, 9999));
        QString noise;
        const int length = static_cast<int>(random.bounded(0, 40));
        for (int c = 0; c < length; ++c)
            noise += QChar(static_cast<char16_t>(random.bounded(1, 0x3000)));
        const RectValues r = ParseRectText(noise);
        EXPECT_TRUE(noise.size() > 5 || r.top == 0);
        EXPECT_TRUE(noise.size() > 10 || r.right == 0);
        EXPECT_TRUE(noise.size() > 15 || r.bottom == 0);
    }
    EXPECT_EQ(ParseRectText(u"12").left, 12);
}
}  // namespace
