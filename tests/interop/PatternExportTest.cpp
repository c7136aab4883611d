// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QBuffer>

#include "calendar/CalendarDates.h"
#include "diary/DiaryRecordset.h"
#include "diary/MonthIndex.h"
#include "interop/CalendarExport.h"
#include "interop/EntryTable.h"
#include "interop/IcalHandles.h"
#include "reminders/Reminders.h"
#include "support/DiaryFixture.h"
#include "support/RowName.h"

namespace {
struct PatternCase {
    const char* name;
    const char* pattern;
    const char* time;
    int firstYear;
    int lastYear;
};

const PatternCase kPatterns[] = {
    {"YearlyChristmas", "2512****", "0000", 2019, 2030},
    {"MonthlyOnThe31st", "31******", "0000", 2026, 2028},
    {"DailyWithAlarm", "********", "0930", 2026, 2028},
    {"EveryDayOfJuly2027", "**072027", "0000", 2026, 2028},
    {"DecemberTwenties", "2*12****", "1800", 2026, 2029},
    {"FifthsOfMarch2027", "*5032027", "0000", 2026, 2028},
    {"ValentinesOfTheTwenties", "1402202*", "0000", 2018, 2031},
    {"LeapDaysAcross1900", "2902****", "0000", 1895, 1905},
    {"YearsEndingInFive", "01032**5", "0000", 2013, 2026},
    {"ScatteredYears", "15062*2*", "0700", 2018, 2031},
    {"FirstsOfOddMonths", "01*1****", "0000", 2026, 2027},
};

// The days and times libical itself gives for the exported event: its start,
// each rule's iteration and each extra date.
QMap<QDate, QString> LibicalDays(icalcomponent* event, int lastYear) {
    QMap<QDate, QString> days;
    auto add = [&](const icaltimetype& t) {
        days.insert(
            QDate(t.year, t.month, t.day),
            t.is_date ? QStringLiteral("0000") : QString::asprintf("%02d%02d", t.hour, t.minute));
    };
    const icaltimetype start = icalcomponent_get_dtstart(event);
    add(start);
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_RRULE_PROPERTY)) {
        IcalRecurIteratorPtr it(icalrecur_iterator_new(icalproperty_get_rrule(p), start));
        for (icaltimetype t = icalrecur_iterator_next(it.get());
             !icaltime_is_null_time(t) && t.year <= lastYear; t = icalrecur_iterator_next(it.get()))
            add(t);
    }
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_RDATE_PROPERTY))
        add(icalproperty_get_rdate(p).time);
    return days;
}

class PatternExportTest : public DiaryFixture, public ::testing::WithParamInterface<PatternCase> {
protected:
    CDiaryRecordset set{store};
    CMonthIndex index;
};

TEST_P(PatternExportTest, LibicalGivesTheDaysTheMonthIndexMarksAndTheAgendaShows) {
    const PatternCase& row = GetParam();
    Add({{row.pattern, "the entry", QString(), 0, row.time}});
    set.Open();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteCalendar(CEntryTable(*set.Database()).ReadAll(), "t", QDateTime::currentDateTimeUtc(),
                  buffer);
    const IcalComponentPtr calendar(icalparser_parse_string(buffer.data().constData()));
    ASSERT_TRUE(calendar);
    icalcomponent* event = icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT);
    ASSERT_TRUE(event);
    const QMap<QDate, QString> days = LibicalDays(event, row.lastYear);
    int marked = 0;
    for (int year = row.firstYear; year <= row.lastYear; ++year) {
        index.LoadMonthIndex(&set, 1, year, true);
        for (QDate day(year, 1, 1); day.year() == year; day = day.addDays(1)) {
            const bool isMarked = index.Mark(day.dayOfYear()) != kNoEntry;
            const QString key = DateKey(day.day(), day.month(), day.year());
            const std::string where = day.toString(Qt::ISODate).toStdString();
            ASSERT_EQ(days.contains(day), isMarked) << where;
            ASSERT_EQ(CollectDayMessages(set, key, nullptr) == "the entry", isMarked) << where;
            ASSERT_EQ(days.value(day), isMarked ? QString(row.time) : QString()) << where;
            marked += isMarked;
        }
    }
    EXPECT_GT(marked, 0);
}

INSTANTIATE_TEST_SUITE_P(Patterns, PatternExportTest, ::testing::ValuesIn(kPatterns), RowName());
}  // namespace
