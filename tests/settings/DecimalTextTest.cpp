// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QString>

#include "settings/DecimalText.h"

TEST(ParseDecimal, ReadsLikeStrtolAndClampsInsteadOfOverflowing) {
    const std::pair<const char16_t*, int> cases[] = {
        {u"42", 42},
        {u"  -11", -11},
        {u"+7px", 7},
        {u"0005 0020", 5},
        {u"", 0},
        {u"abc", 0},
        {u"- 5", 0},
        {u"\u0663", 0},
        {u"99999999999999999999999", 2147483647},
        {u"-99999999999999999999999", -2147483647 - 1},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(ParseDecimal(text), value) << QString::fromUtf16(text).toStdString();
}
