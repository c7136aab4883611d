#include <gtest/gtest.h>

#include "settings/DecimalText.h"

TEST(ParseDecimal, ReadsLikeStrtol) {
    EXPECT_EQ(ParseDecimal(u"42"), 42);
    EXPECT_EQ(ParseDecimal(u"  -11"), -11);
    EXPECT_EQ(ParseDecimal(u"+7px"), 7);
    EXPECT_EQ(ParseDecimal(u"0005 0020"), 5);
    EXPECT_EQ(ParseDecimal(u"\t 16777215"), 16777215);
}

TEST(ParseDecimal, NonNumbersReadAsZero) {
    EXPECT_EQ(ParseDecimal(u""), 0);
    EXPECT_EQ(ParseDecimal(u"abc"), 0);
    EXPECT_EQ(ParseDecimal(u"- 5"), 0);
    EXPECT_EQ(ParseDecimal(u"\u0663"), 0);  // a non-ASCII digit is not a digit here
}

TEST(ParseDecimal, HugeNumbersClampInsteadOfOverflowing) {
    EXPECT_EQ(ParseDecimal(u"99999999999999999999999"), 2147483647);
    EXPECT_EQ(ParseDecimal(u"-99999999999999999999999"), -2147483647 - 1);
    EXPECT_EQ(ParseDecimal(u"-2147483648"), -2147483647 - 1);
}
