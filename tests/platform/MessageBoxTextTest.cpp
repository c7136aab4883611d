// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QStringList>

#include "platform/MessageBoxText.h"
#include "support/RowName.h"

namespace {
struct FitCase {
    const char* name;
    QString text;
    QString shown;
};

class FitMessageBoxTextTest : public ::testing::TestWithParam<FitCase> {};

QString Lines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i) lines.append(QString::number(i));
    return lines.join(QLatin1Char('\n'));
}

const MessageBoxLimits kLimits{3, 5};

INSTANTIATE_TEST_SUITE_P(
    Cases, FitMessageBoxTextTest,
    ::testing::Values(FitCase{"ShortTextAsIs", "Ann\nBob", "Ann\nBob"},
                      FitCase{"EmptyText", "", ""}, FitCase{"LinesAtTheLimit", Lines(3), Lines(3)},
                      FitCase{"LinesPastTheLimit", Lines(5), Lines(3) + "\nand 2 more"},
                      FitCase{"LongLineCut", "abcdefgh\nabcde",
                              QString("abcd") + QChar(0x2026) + "\nabcde"},
                      FitCase{"EmptyLinesKept", "a\n\nb", "a\n\nb"}),
    RowName());
}  // namespace

TEST_P(FitMessageBoxTextTest, ShowsWhatFits) {
    EXPECT_EQ(FitMessageBoxText(GetParam().text, kLimits), GetParam().shown);
}

TEST(FitMessageBoxText, AMegabyteMessageIsCutToOneLine) {
    const QString shown = FitMessageBoxText(QString(1 << 20, QLatin1Char('x')));
    EXPECT_EQ(shown.size(), MessageBoxLimits{}.lineLength);
}
