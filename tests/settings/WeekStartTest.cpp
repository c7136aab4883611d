// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QLocale>

#include "settings/WeekStart.h"
#include "support/RowName.h"

namespace {
struct WeekStartRow {
    const char* name;
    const char* stored;
    const char* locale;
    int firstWeekday;   // 0 Sunday .. 6 Saturday
    const char* saved;  // the text the choice is stored as again
};

class WeekStartRows : public ::testing::TestWithParam<WeekStartRow> {};

TEST_P(WeekStartRows, GiveTheFirstWeekdayAndStoreTheChoiceAgain) {
    const WeekStartRow& r = GetParam();
    const WeekStartChoice choice = WeekStartFromText(QString::fromLatin1(r.stored));
    EXPECT_EQ(FirstWeekday(choice, QLocale(QString::fromLatin1(r.locale))), r.firstWeekday);
    EXPECT_EQ(WeekStartText(choice), QString::fromLatin1(r.saved));
}

// The two fixed days ignore the locale; an empty or unknown text keeps the
// page Sunday first; the locale's own day may be neither Sunday nor Monday.
INSTANTIATE_TEST_SUITE_P(
    WeekStart, WeekStartRows,
    ::testing::Values(WeekStartRow{"Sunday", "Sunday", "de_DE", 0, "Sunday"},
                      WeekStartRow{"Monday", "Monday", "en_US", 1, "Monday"},
                      WeekStartRow{"LocaleGerman", "Locale", "de_DE", 1, "Locale"},
                      WeekStartRow{"LocaleAmerican", "Locale", "en_US", 0, "Locale"},
                      WeekStartRow{"LocaleEgyptian", "Locale", "ar_EG", 6, "Locale"},
                      WeekStartRow{"EmptyIsSunday", "", "de_DE", 0, "Sunday"},
                      WeekStartRow{"UnknownIsSunday", "monday", "de_DE", 0, "Sunday"}),
    RowName());
}  // namespace
