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

// The box as the user meets it: a real modal box from the prompts, looked at
// while it is up and closed with its OK button.
class MessageBoxTest : public ::testing::TestWithParam<BoxCase> {
protected:
    void ShowAndInspect(const std::function<void(QWidget&)>& inspect) {
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            inspect(*box);
            QTest::mouseClick(box->findChild<QPushButton*>(), Qt::LeftButton);
        });
        CQtPrompts().ShowMessage(GetParam().text, GetParam().caption);
    }
};

INSTANTIATE_TEST_SUITE_P(
    Cases, MessageBoxTest,
    ::testing::Values(BoxCase{"LongCaption", "No Messages!", "Wednesday, September 30 2026"},
                      BoxCase{"ManyEntries", ManyLines(221), "Thursday, December 10 2026"},
                      BoxCase{"LongWords", QString(3000, QLatin1Char(' ')).replace(" ", "word "),
                              "Error!"}),
    RowName());
}  // namespace

TEST_P(MessageBoxTest, FitsTheScreenAndShowsItsWholeCaption) {
    QRect box;
    QRect area;
    int captionWidth = 0;
    bool okShown = false;
    ShowAndInspect([&](QWidget& shown) {
        box = shown.frameGeometry();
        area = shown.screen()->availableGeometry();
        QFont bold = shown.font();
        bold.setBold(true);
        captionWidth = QFontMetrics(bold).horizontalAdvance(GetParam().caption);
        okShown = shown.findChild<QPushButton*>()->isVisible();
    });
    EXPECT_TRUE(area.contains(box)) << box.width() << "x" << box.height();
    EXPECT_GE(box.width(), captionWidth + 64) << "the caption and the title bar's buttons";
    EXPECT_TRUE(okShown);
}
