// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "support/RowName.h"
#include "view/core/DayCursor.h"

namespace {
// One key pressed on a focus day; today is 5 December 2007 throughout.
struct CursorRow {
    const char* name;
    QDate from;
    int key;
    Qt::KeyboardModifiers modifiers;
    QDate to;  // invalid: the key does not move the cursor
};

class DayCursorKey : public ::testing::TestWithParam<CursorRow> {};

TEST_P(DayCursorKey, MovesTheFocusDay) {
    const CursorRow& r = GetParam();
    CDayCursor cursor(r.from.day(), r.from.month(), r.from.year());
    const bool moved = cursor.Press(r.key, r.modifiers, QDate(2007, 12, 5));
    EXPECT_EQ(moved, r.to.isValid());
    EXPECT_EQ(cursor.Date(), r.to.isValid() ? r.to : r.from);
}

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;

INSTANTIATE_TEST_SUITE_P(
    DayCursor, DayCursorKey,
    ::testing::Values(
        CursorRow{"RightOverMonthEnd", {2007, 4, 30}, Qt::Key_Right, kNone, {2007, 5, 1}},
        CursorRow{"LeftOverMonthStart", {2007, 5, 1}, Qt::Key_Left, kNone, {2007, 4, 30}},
        CursorRow{"RightOntoLeapDay", {2008, 2, 28}, Qt::Key_Right, kNone, {2008, 2, 29}},
        CursorRow{"DownOverLeapDay", {2008, 2, 26}, Qt::Key_Down, kNone, {2008, 3, 4}},
        CursorRow{"UpIntoLastYear", {2008, 1, 3}, Qt::Key_Up, kNone, {2007, 12, 27}},
        CursorRow{"RightIntoNewYear", {2007, 12, 31}, Qt::Key_Right, kNone, {2008, 1, 1}},
        CursorRow{
            "PageUpFrom31MarchInLeapYear", {2008, 3, 31}, Qt::Key_PageUp, kNone, {2008, 2, 29}},
        CursorRow{"PageUpFrom31March", {2007, 3, 31}, Qt::Key_PageUp, kNone, {2007, 2, 28}},
        CursorRow{"PageDownIntoNewYear", {2007, 12, 15}, Qt::Key_PageDown, kNone, {2008, 1, 15}},
        CursorRow{"HomeGoesToToday", {2031, 7, 9}, Qt::Key_Home, kNone, {2007, 12, 5}},
        CursorRow{"KeypadArrowMoves", {2007, 5, 1}, Qt::Key_Down, Qt::KeypadModifier, {2007, 5, 8}},
        CursorRow{"StopsAtFirstShownDay", {1585, 1, 3}, Qt::Key_Up, kNone, {1585, 1, 1}},
        CursorRow{"StopsAtLastShownDay", {9999, 12, 31}, Qt::Key_Right, kNone, {9999, 12, 31}},
        CursorRow{"CtrlArrowIsNotACursorKey", {2007, 5, 1}, Qt::Key_Right, Qt::ControlModifier, {}},
        CursorRow{"EndIsNotACursorKey", {2007, 5, 1}, Qt::Key_End, kNone, {}}),
    RowName());

// Prev and Next keep the day of the month, which a shorter month may lack.
TEST(DayCursor, StandsOnTheMonthsLastDayWhenTheDayIsPastIt) {
    EXPECT_EQ(CDayCursor(31, 2, 2007).Date(), QDate(2007, 2, 28));
}
}  // namespace
