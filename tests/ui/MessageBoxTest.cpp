// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "support/RowName.h"
#include "ui/platform/QtPrompts.h"

namespace {
struct BoxCase {
    const char* name;
    QString text;
    QString caption;
};

QString ManyLines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i) lines.append(QStringLiteral("Entry number %1").arg(i));
    return lines.join(QLatin1Char('\n'));
}

class MessageBoxTest : public ::testing::TestWithParam<BoxCase> {};

INSTANTIATE_TEST_SUITE_P(
    Cases, MessageBoxTest,
    ::testing::Values(BoxCase{"LongCaption", "No Messages!", "Wednesday, September 30 2026"},
                      BoxCase{"ManyEntries", ManyLines(221), "Thursday, December 10 2026"},
                      BoxCase{"LongWords", QString(3000, QLatin1Char(' ')).replace(" ", "word "),
                              "Error!"}),
    RowName());
}  // namespace

// The box as the user meets it: a real modal box from the prompts, looked at
// while it is up and closed with its OK button.
TEST_P(MessageBoxTest, FitsTheScreenAndShowsItsWholeCaption) {
    const QString caption = GetParam().caption;
    QTimer::singleShot(0, [&caption] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        const QRect shown = box->frameGeometry();
        EXPECT_TRUE(box->screen()->availableGeometry().contains(shown))
            << shown.width() << "x" << shown.height();
        QFont bold = box->font();
        bold.setBold(true);
        EXPECT_GE(shown.width(), QFontMetrics(bold).horizontalAdvance(caption) + 64)
            << "the caption and the title bar's buttons";
        auto* ok = box->findChild<QPushButton*>();
        EXPECT_TRUE(ok->isVisible());
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    CQtPrompts().ShowMessage(GetParam().text, caption);
}
