// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>


#include "platform/MessageBoxText.h"
#include "support/RowName.h"

namespace {
struct FitCase {
    const char* name;
    QString text;
    QString shown;
};

class FitMessageBoxTextTest : public ::testing::TestWithParam<FitCase> {};

const MessageBoxLimits kLimits{3, 5};

INSTANTIATE_TEST_SUITE_P(
    Cases, FitMessageBoxTextTest,
    ::testing::Values(FitCase{"ShortTextAsIs", "Ann\nBob", "Ann\nBob"},
                      FitCase{"EmptyText", "", ""},
                      FitCase{"LinesAtTheLimit", "1\n2\n3", "1\n2\n3"},
                      FitCase{"LinesPastTheLimit", "1\n2\n3\n4\n5", "1\n2\n3\nand 2 more"},
                      FitCase{"LongLineCut", "abcdefgh\nabcde",
                              QString("abcd") + QChar(0x2026) + "\nabcde"},
                      FitCase{"EmptyLinesKept", "a\n\nb", "a\n\nb"},
                      FitCase{"MegabyteLineCut", QString(1 << 20, QLatin1Char('x')),
                              QString("xxxx") + QChar(0x2026)}),
    RowName());
}  // namespace

TEST_P(FitMessageBoxTextTest, ShowsWhatFits) {
    EXPECT_EQ(FitMessageBoxText(GetParam().text, kLimits), GetParam().shown);
}
